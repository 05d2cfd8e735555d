// A new look reaches every window at once: the panel takes its fonts and key faces, and each of the
// thread's windows (the frame and its children, the forms, the overlays, a dialog) is painted again.
#include "shell/lookchange.h"

#include "look/palette.h"
#include "panel/panel.h"

namespace {

BOOL CALLBACK repaint(HWND window, LPARAM)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

} // namespace

void followLook()
{
    readLook();
    applyPanelLook();
    EnumThreadWindows(GetCurrentThreadId(), repaint, 0);
}
