// Presses that reach the panel without the hook library. Windows removes a low-level hook that once took too
// long without telling anyone, and Wine skips one whose thread sat idle; the press then comes to a key
// as an ordinary click, which the key must not handle: it would take the focus from the target.
#include "panel/directpress.h"

#include "hook/hookbinding.h"
#include "panel/keyprocess.h"
#include "shell/appstate.h"

namespace {

bool isForPanel(HWND window)
{
    return app.keyboardPanel && (window == app.keyboardPanel || IsChild(app.keyboardPanel, window));
}

void pressDirectly(POINT screen)
{
    RECT panel;
    GetWindowRect(app.keyboardPanel, &panel);
    onKeyPress(MAKELPARAM(screen.x - panel.left, screen.y - panel.top));
    RemoveHook();
    activateHook(app.mainWindow);
}

} // namespace

bool takeDirectPress(const MSG& msg)
{
    if (!isForPanel(msg.hwnd))
        return false;
    switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: pressDirectly(msg.pt); return true;
    case WM_LBUTTONUP: onKeyRelease(); return true;
    default: return false;
    }
}
