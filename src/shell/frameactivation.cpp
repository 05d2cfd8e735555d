// The frame's activation and focus handlers. One rule: the keyboard never keeps the activation. A press
// over the panel never activates it; any activation it does get is handed back to the application being
// typed into once the platform has completed it.
#include "shell/frameactivation.h"

#include <windowsx.h>

#include "panel/target.h"
#include "shell/appstate.h"

namespace {

LRESULT defaultResult(HWND frame, const Message& msg)
{
    return DefWindowProcA(frame, msg.number, msg.wParam, msg.lParam);
}

bool isOwnWindow(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}

} // namespace

// A press over the panel never activates the keyboard; the caption bar keeps the platform's answer.
LRESULT onFrameMouseActivate(HWND frame, const Message& msg)
{
    const DWORD position = GetMessagePos();
    const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    RECT panel;
    if (GetWindowRect(app.keyboardPanel, &panel) && PtInRect(&panel, point))
        return MA_NOACTIVATE;
    return defaultResult(frame, msg);
}

// A click on the caption bar activates the frame for the frame menu or a drag, whose handlers hand the
// focus back themselves; any other activation (a restore from the taskbar, a second start, the end of a
// box the frame owns) is undone once the platform has completed it.
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
