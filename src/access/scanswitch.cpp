// The switch's low-level hook, on a thread of its own that runs only while the keys are scanned: the
// keyboard's own thread may be busy typing, and the platform drops a low-level hook that does not answer at
// once. The keyboard's own keystrokes pass.
#include "access/scanswitch.h"

#include <atomic>

#include "hooklib/platformfacts.h"
#include "state/appstate.h"
#include "typing/keystrokes.h"

namespace {

// Posted to the switch's thread when "Scan Switch" may have changed, with the switch in use, or notScanning.
constexpr UINT followSelection = WM_APP;
// Posted by the switch's own hooks once the switch held has been released.
constexpr UINT setHooksAgain = WM_APP + 1;
constexpr WPARAM notScanning = 0xFF;
constexpr int nothingHeld = -1;
// The wake-ups that keep an idle hooking thread fetching, where the platform needs them.
constexpr UINT keepAliveInterval = 1000;

HANDLE switchThread;
DWORD switchThreadId;
std::atomic<HWND> listener;
// The switch is down, as the keyboard's own thread heard of it.
bool switchHeld;

// Read and written on the switch's thread alone.
struct SwitchThread {
    // The switch in use as this thread last heard of it: the settings belong to the keyboard's own thread.
    WPARAM inUse;
    // The switch pressed and not yet released, or nothingHeld: its release is swallowed even when the switch
    // changed meanwhile, so that no application sees a release without its press.
    int held;
    HHOOK keys;
    HHOOK pointer;
    UINT_PTR timer;
};

SwitchThread watch{notScanning, nothingHeld, nullptr, nullptr, 0};

// Read on the keyboard's own thread.
WPARAM currentSwitch()
{
    return app.selectKeys == selectByScan ? static_cast<WPARAM>(app.scanSwitch) : notScanning;
}

// A held key's repeats are no new presses.
bool takeSwitch(int which, bool down)
{
    if (down && watch.held == nothingHeld && static_cast<WPARAM>(which) == watch.inUse) {
        watch.held = which;
        PostMessageA(listener.load(), MSG_SCAN_SWITCH, 1, 0);
        return true;
    }
    if (watch.held != which)
        return false;
    if (!down) {
        watch.held = nothingHeld;
        PostMessageA(listener.load(), MSG_SCAN_SWITCH, 0, 0);
        PostThreadMessageA(GetCurrentThreadId(), setHooksAgain, 0, 0);
    }
    return true;
}

LRESULT CALLBACK watchKeys(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    const bool switchKey = key->vkCode == VK_SPACE || key->vkCode == VK_RETURN;
    const int which = key->vkCode == VK_SPACE ? switchSpace : switchEnter;
    const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
    if (code == HC_ACTION && switchKey && key->dwExtraInfo != ownKeystrokeMark && takeSwitch(which, down))
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK watchPointer(int code, WPARAM wParam, LPARAM lParam)
{
    const bool button = wParam == WM_LBUTTONDOWN || wParam == WM_LBUTTONUP;
    if (code == HC_ACTION && button && takeSwitch(switchClick, wParam == WM_LBUTTONDOWN))
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A hook set afresh is called before the others; where the platform will not set it, the old one stays.
void renew(HHOOK& hook, int kind, HOOKPROC procedure)
{
    HHOOK renewed = SetWindowsHookExA(kind, procedure, GetModuleHandleA(nullptr), 0);
    if (!renewed)
        return;
    if (hook)
        UnhookWindowsHookEx(hook);
    hook = renewed;
}

void setHook(HHOOK& hook, bool wanted, int kind, HOOKPROC procedure)
{
    if (wanted && !hook)
        hook = SetWindowsHookExA(kind, procedure, GetModuleHandleA(nullptr), 0);
    if (!wanted && hook) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
}

bool isKey(WPARAM which)
{
    return which == switchSpace || which == switchEnter;
}

// The keyboard's pointer hook, set again after a size change, would be called before this one and take a
// click on the keyboard as a tap: while the switch is a click, this hook is set again each second, so that it
// stays first. The order of the key hooks does not matter, since the strip knows the switch.
void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (watch.inUse == switchClick && watch.held == nothingHeld)
        renew(watch.pointer, WH_MOUSE_LL, watchPointer);
}

// Every key or pointer move of the desktop makes a trip through a low-level hook: only the one for the switch
// in use is set, and the one of a switch still held until it is released.
void setSwitchHooks()
{
    const auto held = static_cast<WPARAM>(watch.held);
    setHook(watch.keys, isKey(watch.inUse) || isKey(held), WH_KEYBOARD_LL, watchKeys);
    setHook(watch.pointer, watch.inUse == switchClick || held == switchClick, WH_MOUSE_LL, watchPointer);
    const bool ticking = watch.inUse == switchClick || idleHookThreadsNeedWaking();
    if (ticking && !watch.timer)
        watch.timer = SetTimer(nullptr, 0, keepAliveInterval, onTick);
    if (!ticking && watch.timer) {
        KillTimer(nullptr, watch.timer);
        watch.timer = 0;
    }
}

DWORD WINAPI runSwitch(LPVOID startingSwitch)
{
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    watch = SwitchThread{reinterpret_cast<WPARAM>(startingSwitch), nothingHeld, nullptr, nullptr, 0};
    setSwitchHooks();
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == followSelection && !msg.hwnd)
            watch.inUse = msg.wParam;
        if (msg.hwnd || (msg.message != followSelection && msg.message != setHooksAgain))
            DispatchMessageA(&msg);
        else
            setSwitchHooks();
    }
    if (watch.timer)
        KillTimer(nullptr, watch.timer);
    setHook(watch.keys, false, WH_KEYBOARD_LL, watchKeys);
    setHook(watch.pointer, false, WH_MOUSE_LL, watchPointer);
    return 0;
}

void startSwitchThread()
{
    switchThread =
        CreateThread(nullptr, 0, runSwitch, reinterpret_cast<LPVOID>(currentSwitch()), 0, &switchThreadId);
}

} // namespace

void startScanSwitch(HWND window)
{
    listener = window;
    followSelectKeys();
}

void followSwitch(bool down)
{
    switchHeld = down;
    if (!down && app.selectKeys != selectByScan)
        stopScanSwitch();
}

void followSelectKeys()
{
    if (app.selectKeys == selectByScan && !switchThread)
        startSwitchThread();
    else if (app.selectKeys == selectByScan || switchHeld)
        PostThreadMessageA(switchThreadId, followSelection, currentSwitch(), 0);
    else
        stopScanSwitch();
}

void stopScanSwitch()
{
    if (!switchThread)
        return;
    while (!PostThreadMessageA(switchThreadId, WM_QUIT, 0, 0) &&
           WaitForSingleObject(switchThread, 10) == WAIT_TIMEOUT) {
    }
    WaitForSingleObject(switchThread, 2000);
    CloseHandle(switchThread);
    switchThread = nullptr;
    switchHeld = false;
}
