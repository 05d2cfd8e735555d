// Swallowing presses on the keyboard window and the suggestion strip and reporting them with their releases;
// reporting presses outside the keyboard to the strip.
#include "hooklib/pointerhook.h"

#include "hooklib/hookstate.h"
#include "hooklib/platformfacts.h"
#include "hooklib/strokepath.h"
#include "hooklib/tilmhk32.h"

namespace {

HHOOK pointerHook;
// The window (keyboard or strip) that took the latest swallowed press while its release is still to come.
HWND pressedWindow;
// The keyboard window whose release came while the hook was disabled; it hears of it at EnableHook.
HWND owedRelease;
// The top-left corner of the window that took the press, in the keyboard's coordinates.
POINT pressOrigin;

template <typename Function> Function user32Function(const char* name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

bool contains(HWND window, POINT point)
{
    RECT rect;
    return GetWindowRect(window, &rect) && PtInRect(&rect, point);
}

// The window as the screen shows it: inside it, inside the main window that clips it, and not under any other
// window.
bool showsAt(HWND window, HWND mainWindow, POINT point)
{
    if (!window || !contains(window, point) || !contains(mainWindow, point))
        return false;
    HWND hit = WindowFromPoint(point);
    return hit == window || IsChild(window, hit);
}

// The hook is given physical pixels, while the keyboard, aware of the system's scale only, sees a monitor
// of another scale in scaled ones: the point is taken to the keyboard's own coordinates where the platform
// can (Windows 8.1 and later), and is used as it is elsewhere. False when the platform finds the point
// outside the window of the keyboard it is converted for.
bool toKeyboardCoordinates(POINT& point, HWND window)
{
    using Convert = BOOL(WINAPI*)(HWND, POINT*);
    static const auto convert = user32Function<Convert>("PhysicalToLogicalPointForPerMonitorDPI");
    return !convert || convert(window, &point);
}

// The keyboard's own top-level window under a physical point (the main window, or the forms popup, which
// may stand outside it), or 0 over another program's window.
HWND keyboardWindowAt(POINT physical)
{
    using Find = HWND(WINAPI*)(POINT);
    static const auto find = user32Function<Find>("WindowFromPhysicalPoint");
    HWND under = find ? find(physical) : WindowFromPoint(physical);
    HWND root = under ? GetAncestor(under, GA_ROOT) : nullptr;
    return root && isOwnWindow(root) ? root : nullptr;
}

// The press carries the time of its input event, which ties it to the click the platform delivers to the
// key directly when this hook was too slow: the keyboard takes each click once.
bool swallowPress(POINT point, DWORD time)
{
    HWND mainWindow = hook.mainWindow;
    HWND strip = hook.stripWindow;
    if (!reportsWanted() || !toKeyboardCoordinates(point, mainWindow))
        return false;
    HWND window = showsAt(strip, mainWindow, point) ? strip : hook.keyboardWindow.load();
    if (!showsAt(window, mainWindow, point))
        return false;
    RECT rect;
    GetWindowRect(window, &rect);
    // Posted, not sent: the platform drops a low-level hook that does not return at once.
    PostMessageA(window, MSG_KEY_PRESS, time, MAKELPARAM(point.x - rect.left, point.y - rect.top));
    pressedWindow = window;
    pressOrigin = POINT{rect.left, rect.top};
    if (window == hook.keyboardWindow)
        startStrokePath(window, StrokePoint{point.x - rect.left, point.y - rect.top, time});
    return true;
}

// The pointer's way while a press on the keyboard window lasts, in the coordinates of its press, so that the
// keyboard can tell a stroke across the keys from a tap.
void followPress(POINT point, DWORD time, bool release)
{
    if (!pressedWindow || pressedWindow != hook.keyboardWindow.load() || !reportsWanted())
        return;
    const bool placed = toKeyboardCoordinates(point, hook.mainWindow);
    followStrokePath(placed ? StrokePoint{point.x - pressOrigin.x, point.y - pressOrigin.y, time}
                            : StrokePoint{offKeyboard, offKeyboard, time},
                     release);
}

// The word being typed ends where the user presses outside the keyboard: the caret may move with it.
void reportPressOutside(POINT point, WPARAM button)
{
    HWND strip = hook.stripWindow;
    HWND mainWindow = hook.mainWindow;
    if (reportsWanted() && strip &&
        !(toKeyboardCoordinates(point, mainWindow) && contains(mainWindow, point)))
        PostMessageA(strip, MSG_POINTER_ELSEWHERE, button, 0);
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
// anywhere else. Its windows compare the point with their own rectangles, in the keyboard's coordinates; a
// press over another program is beside them all.
void reportPressElsewhere(POINT point)
{
    if (!reportsWanted())
        return;
    HWND own = keyboardWindowAt(point);
    const BOOL onKeyboard = own && toKeyboardCoordinates(point, own);
    PostMessageA(hook.keyboardWindow, MSG_PRESS_ELSEWHERE, onKeyboard, MAKELPARAM(point.x, point.y));
}

LRESULT CALLBACK pointerHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        if (wParam == WM_MOUSEMOVE || wParam == WM_LBUTTONUP)
            followPress(event->pt, event->time, wParam == WM_LBUTTONUP);
        if (wParam == WM_LBUTTONDOWN && swallowPressAfterAnyLostRelease(event->pt, event->time))
            return 1;
        if (wParam == WM_LBUTTONDOWN)
            reportPressElsewhere(event->pt);
        if (wParam == WM_LBUTTONUP && swallowRelease())
            return 1;
        if (wParam == WM_LBUTTONDOWN || wParam == WM_RBUTTONDOWN || wParam == WM_MBUTTONDOWN)
            reportPressOutside(event->pt, wParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

bool installPointerHook()
{
    pointerHook = SetWindowsHookExA(WH_MOUSE_LL, pointerHookProc, hook.module, 0);
    return pointerHook != nullptr;
}

// The new hook is set before the old one goes, so that no press finds neither. Both belong to this thread,
// which answers neither until it fetches its next message, so none is answered twice.
void renewPointerHook()
{
    HHOOK renewed = SetWindowsHookExA(WH_MOUSE_LL, pointerHookProc, hook.module, 0);
    if (!renewed)
        return;
    if (pointerHook)
        UnhookWindowsHookEx(pointerHook);
    pointerHook = renewed;
}

void removePointerHook()
{
    if (pointerHook)
        UnhookWindowsHookEx(pointerHook);
    pointerHook = nullptr;
    pressedWindow = nullptr;
    owedRelease = nullptr;
}

void reportOwedRelease()
{
    if (takesPresses(owedRelease) && reportsWanted())
        PostMessageA(owedRelease, MSG_KEY_RELEASE, 0, 0);
    owedRelease = nullptr;
}
