// The frame's activation and focus handlers. One rule: the keyboard never keeps the activation. Only a
// left press on the caption bar's grip activates it, for a drag or the frame menu, whose handlers hand the
// focus back themselves; any other activation is handed back to the application being typed into once the
// platform has completed it.
#include "shell/frameactivation.h"

#include <windowsx.h>

#include "caption/captionbar.h"
#include "hooklib/platformfacts.h"
#include "typing/target.h"
#include "state/appstate.h"

namespace {

LRESULT defaultResult(HWND frame, const Message& msg)
{
    return DefWindowProcA(frame, msg.number, msg.wParam, msg.lParam);
}

} // namespace

bool mouseActivatesFrame(UINT mouseMessage, bool onCaptionGrip)
{
    return mouseMessage == WM_LBUTTONDOWN && onCaptionGrip;
}

// A right click, a pen's barrel button, a press-and-hold or a click on the border would leave the focus on
// the keyboard with nothing to hand it back.
LRESULT onFrameMouseActivate(HWND frame, const Message& msg)
{
    const DWORD position = GetMessagePos();
    const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (mouseActivatesFrame(HIWORD(msg.lParam), isCaptionGrip(WindowFromPoint(point))))
        return defaultResult(frame, msg);
    return MA_NOACTIVATE;
}

// Other activations (a restore from the taskbar, a second start, the end of a box the frame owns) are
// undone once the platform has completed them.
LRESULT onFrameActivate(HWND frame, const Message& msg)
{
    if (LOWORD(msg.wParam) == WA_ACTIVE)
        PostMessageA(frame, MSG_RETURN_FOCUS, static_cast<WPARAM>(msg.lParam), 0);
    return defaultResult(frame, msg);
}

// wParam: the window that was active before the frame.
LRESULT onReturnFocus(HWND frame, const Message& msg)
{
    if (GetActiveWindow() != frame)
        return 0;
    HWND previous = reinterpret_cast<HWND>(msg.wParam);
    if (IsWindow(app.targetWindow))
        returnFocus();
    else if (IsWindow(previous) && !isOwnWindow(previous))
        SetForegroundWindow(previous);
    return 0;
}
