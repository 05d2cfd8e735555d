// Swallowing presses on the keyboard window and the suggestion strip and reporting them with their releases;
// reporting presses outside the keyboard to the strip.
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
// The window (keyboard or strip) that took the latest swallowed press while its release is still to come.
HWND pressedWindow;
// The keyboard window whose release came while the hook was disabled; it hears of it at EnableHook.
HWND owedRelease;

void CALLBACK keepFetching(HWND, UINT, UINT_PTR, DWORD) {}

bool contains(HWND window, POINT point)
{
    RECT rect;
    return GetWindowRect(window, &rect) && PtInRect(&rect, point);
}

// The window as the screen shows it: inside it, inside the main window that clips it, and not under any other
// window.
bool showsAt(HWND window, POINT point)
{
    if (!window || !contains(window, point) || !contains(hook.mainWindow, point))
        return false;
    HWND hit = WindowFromPoint(point);
    return hit == window || IsChild(window, hit);
}

// The hook is given physical pixels, while the keyboard, aware of the system's scale only, sees a monitor
// of another scale in scaled ones: the point is taken to the keyboard's own coordinates where the platform
// can (Windows 8.1 and later), and is used as it is elsewhere. False when the platform finds the point
// outside the main window, which holds the keyboard window and the strip.
bool toKeyboardCoordinates(POINT& point)
{
    using Convert = BOOL(WINAPI*)(HWND, POINT*);
    static const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "PhysicalToLogicalPointForPerMonitorDPI")));
    return !convert || convert(hook.mainWindow, &point);
}

// The press carries the time of its input event, which ties it to the click the platform delivers to the
// key directly when this hook was too slow: the keyboard takes each click once.
bool swallowPress(POINT point, DWORD time)
{
    if (!reportsWanted() || !toKeyboardCoordinates(point))
        return false;
    HWND window = showsAt(hook.stripWindow, point) ? hook.stripWindow : hook.keyboardWindow;
    if (!showsAt(window, point))
        return false;
    RECT rect;
    GetWindowRect(window, &rect);
    // Posted, not sent: the platform drops a low-level hook that does not return at once.
    PostMessageA(window, MSG_KEY_PRESS, time, MAKELPARAM(point.x - rect.left, point.y - rect.top));
    pressedWindow = window;
    return true;
}

// The word being typed ends where the user presses outside the keyboard: the caret may move with it.
void reportPressOutside(POINT point)
{
    if (reportsWanted() && hook.stripWindow &&
        !(toKeyboardCoordinates(point) && contains(hook.mainWindow, point)))
        PostMessageA(hook.stripWindow, MSG_POINTER_ELSEWHERE, 0, 0);
}

// Ends the swallowed press. The keyboard, which shows the key pressed until the release, hears of it: at
// once, or at EnableHook when it came while the hook was disabled (the menu key opens a modal dialog between
// the two).
void endPress()
{
    HWND window = pressedWindow;
    pressedWindow = nullptr;
    if (reportsWanted() && takesPresses(window))
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

// The keyboard closes what it shows over other windows, such as a held key's forms, when the user presses
// anywhere else.
void reportPressElsewhere(POINT point)
{
    if (reportsWanted())
        PostMessageA(hook.keyboardWindow, MSG_PRESS_ELSEWHERE, 0, MAKELPARAM(point.x, point.y));
}

LRESULT CALLBACK pointerHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        if (wParam == WM_LBUTTONDOWN && swallowPressAfterAnyLostRelease(event->pt, event->time))
            return 1;
        if (wParam == WM_LBUTTONDOWN)
            reportPressElsewhere(event->pt);
        if (wParam == WM_LBUTTONUP && swallowRelease())
            return 1;
        if (wParam == WM_LBUTTONDOWN || wParam == WM_RBUTTONDOWN || wParam == WM_MBUTTONDOWN)
            reportPressOutside(event->pt);
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
    if (takesPresses(owedRelease) && reportsWanted())
        PostMessageA(owedRelease, MSG_KEY_RELEASE, 0, 0);
    owedRelease = nullptr;
}
