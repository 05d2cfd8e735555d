// Presses that reach the panel without the hook library. Windows removes a low-level hook that once took too
// long without telling anyone, and Wine skips one whose thread sat idle; the press then comes to a key
// as an ordinary click, which the key must not handle: it would take the focus from the target.
#include "panel/directpress.h"

#include "hook/hookbinding.h"
#include "state/appstate.h"
#include "state/message.h"

namespace {

bool isForPanel(HWND window)
{
    return app.keyboardPanel && (window == app.keyboardPanel || IsChild(app.keyboardPanel, window));
}

// The panel's window procedure stays the one entry point for a press, as if the hook had reported it. The
// panel holds the mouse capture until the release, so that a pen sliding off the key still releases it.
void pressDirectly(const MSG& msg)
{
    SetCapture(app.keyboardPanel);
    const POINT screen = msg.pt;
    RECT panel;
    GetWindowRect(app.keyboardPanel, &panel);
    SendMessageA(app.keyboardPanel, MSG_KEY_PRESS, msg.time,
                 MAKELPARAM(screen.x - panel.left, screen.y - panel.top));
    renewHook();
}

// Releasing the capture makes the release, through the panel's loss of it.
void releaseDirectly()
{
    if (GetCapture() == app.keyboardPanel)
        ReleaseCapture();
    else
        SendMessageA(app.keyboardPanel, MSG_KEY_RELEASE, 0, 0);
}

} // namespace

// Only a direct press gives the panel the capture; whoever takes it away ends that press.
INT_PTR onPanelCaptureLost()
{
    SendMessageA(app.keyboardPanel, MSG_KEY_RELEASE, 0, 0);
    return TRUE;
}

bool takeDirectPress(const MSG& msg)
{
    if (!isForPanel(msg.hwnd))
        return false;
    switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: pressDirectly(msg); return true;
    case WM_LBUTTONUP: releaseDirectly(); return true;
    default: return false;
    }
}
