// Swallowing presses on the keyboard window and reporting them with their releases.
#include "hooklib/pointerhook.h"

#include "hooklib/hookstate.h"
#include "hooklib/tilmhk32.h"

namespace {

// Under Wine a thread that has fetched no message for about 5 s counts as hung, and its low-level hook is
// skipped for the next click, which a tap on the keyboard's own window brings in through this very thread;
// the timer keeps the idle keyboard thread fetching.
constexpr UINT keepAliveInterval = 1000;

HHOOK pointerHook;
UINT_PTR keepAliveTimer;
// The keyboard window that took the latest swallowed press while its release is still to come.
HWND pressedWindow;
// The keyboard window whose release came while the hook was disabled; it hears of it at EnableHook.
HWND owedRelease;

void CALLBACK keepFetching(HWND, UINT, UINT_PTR, DWORD) {}

bool contains(HWND window, POINT point)
{
    RECT rect;
    return GetWindowRect(window, &rect) && PtInRect(&rect, point);
}

// The keyboard window as the screen shows it: inside it, inside the main window that clips it, and not
// under any other window.
bool showsKeyboardAt(POINT point)
{
    if (!contains(hook.keyboardWindow, point) || !contains(hook.mainWindow, point))
        return false;
    HWND hit = WindowFromPoint(point);
    return hit == hook.keyboardWindow || IsChild(hook.keyboardWindow, hit);
}

// The hook is given physical pixels, while the keyboard, aware of the system's scale only, sees a monitor
// of another scale in scaled ones: the point is taken to the keyboard window's own coordinates where the
// platform can (Windows 8.1 and later), and is used as it is elsewhere. False when the platform finds
// the point outside the keyboard window.
bool toKeyboardCoordinates(POINT& point)
{
    using Convert = BOOL(WINAPI*)(HWND, POINT*);
    static const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "PhysicalToLogicalPointForPerMonitorDPI")));
    return !convert || convert(hook.keyboardWindow, &point);
}

// The press carries the time of its input event, which ties it to the click the platform delivers to the
// key directly when this hook was too slow: the keyboard takes each click once.
bool swallowPress(POINT point, DWORD time)
{
    if (!reportsWanted() || !toKeyboardCoordinates(point) || !showsKeyboardAt(point))
        return false;
    RECT rect;
    GetWindowRect(hook.keyboardWindow, &rect);
    // Posted, not sent: the platform drops a low-level hook that does not return at once.
    PostMessageA(hook.keyboardWindow, MSG_KEY_PRESS, time,
                 MAKELPARAM(point.x - rect.left, point.y - rect.top));
    pressedWindow = hook.keyboardWindow;
    return true;
}

// Ends the swallowed press. The keyboard, which shows the key pressed until the release, hears of it: at
// once, or at EnableHook when it came while the hook was disabled (the menu key opens a modal dialog between
// the two).
void endPress()
{
    HWND window = pressedWindow;
    pressedWindow = nullptr;
    if (reportsWanted() && window == hook.keyboardWindow)
        PostMessageA(window, MSG_KEY_RELEASE, 0, 0);
    else
        owedRelease = window;
}

// The release of a swallowed press is swallowed whatever came in between, so that no window sees a
// button-up without its button-down.
bool swallowRelease()
{
    if (!pressedWindow)
        return false;
    endPress();
    return true;
}

// A release that never reached the hook (a secure desktop came up while the pen was down, or the platform
// skipped the hook) is owed no longer once the next press comes: the release after that press belongs to it,
// and swallowing it would leave a button held down in another application.
bool swallowPressAfterAnyLostRelease(POINT point, DWORD time)
{
    if (pressedWindow)
        endPress();
    return swallowPress(point, time);
}

LRESULT CALLBACK pointerHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        if (wParam == WM_LBUTTONDOWN && swallowPressAfterAnyLostRelease(event->pt, event->time))
            return 1;
        if (wParam == WM_LBUTTONUP && swallowRelease())
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

bool installPointerHook()
{
    pointerHook = SetWindowsHookExA(WH_MOUSE_LL, pointerHookProc, hook.module, 0);
    keepAliveTimer = SetTimer(nullptr, 0, keepAliveInterval, keepFetching);
    return pointerHook != nullptr;
}

void removePointerHook()
{
    if (pointerHook)
        UnhookWindowsHookEx(pointerHook);
    KillTimer(nullptr, keepAliveTimer);
    pointerHook = nullptr;
    keepAliveTimer = 0;
    pressedWindow = nullptr;
    owedRelease = nullptr;
}

void reportOwedRelease()
{
    if (owedRelease && owedRelease == hook.keyboardWindow && reportsWanted())
        PostMessageA(owedRelease, MSG_KEY_RELEASE, 0, 0);
    owedRelease = nullptr;
}
