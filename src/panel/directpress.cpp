// Presses that reach the panel without the hook library. Windows removes a low-level hook that once took too
// long without telling anyone, and Wine skips one whose thread sat idle; the press then comes to a key
// as an ordinary click, which the key must not handle: it would take the focus from the target.
#include "panel/directpress.h"

#include "hook/hookbinding.h"
#include "panel/strokepress.h"
#include "state/appstate.h"
#include "state/message.h"

namespace {

bool isForPanel(HWND window)
{
    return app.keyboardPanel && (window == app.keyboardPanel || IsChild(app.keyboardPanel, window));
}

POINT onPanel(const MSG& msg)
{
    RECT panel;
    GetWindowRect(app.keyboardPanel, &panel);
    return POINT{msg.pt.x - panel.left, msg.pt.y - panel.top};
}

// The panel's window procedure stays the one entry point for a press, as if the hook had reported it. The
// panel holds the mouse capture until the release, so that a pen sliding off the key still releases it.
void pressDirectly(const MSG& msg)
{
    SetCapture(app.keyboardPanel);
    const POINT at = onPanel(msg);
    SendMessageA(app.keyboardPanel, MSG_KEY_PRESS, msg.time, MAKELPARAM(at.x, at.y));
    renewHook();
}

// While the panel holds the capture, its moves are the press's path, as the hook library would report them.
void followCapturedMove(const MSG& msg)
{
    if (GetCapture() == app.keyboardPanel)
        followDirectMove(onPanel(msg), msg.time, false);
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
    case WM_MOUSEMOVE: followCapturedMove(msg); return false;
    case WM_LBUTTONUP:
        followDirectMove(onPanel(msg), msg.time, true);
        releaseDirectly();
        return true;
    default: return false;
    }
}
