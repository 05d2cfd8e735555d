// The switch's low-level hooks, on their own thread: the keyboard's own thread may be busy typing, and the
// platform drops a low-level hook that does not answer at once. The keyboard's own keystrokes pass.
#include "access/scanswitch.h"

#include <atomic>

#include "state/appstate.h"
#include "typing/keystrokes.h"

namespace {

// Under Wine a hooking thread that fetches no message for about 5 s counts as hung.
constexpr UINT keepAliveInterval = 1000;
// Posted to the switch's thread when "Select Keys" or "Scan Switch" may have changed, with the switch in use.
constexpr UINT followSelection = WM_APP;
// The switch in use while the keys are not scanned.
constexpr WPARAM notScanning = 0xFF;

HANDLE switchThread;
DWORD switchThreadId;
std::atomic<HWND> listener;
bool switchDown;
// The switch as the switch's thread last heard of it: the settings belong to the keyboard's own thread.
WPARAM switchInUse = notScanning;

// Read on the keyboard's own thread.
WPARAM currentSwitch()
{
    return app.selectKeys == selectByScan ? static_cast<WPARAM>(app.scanSwitch) : notScanning;
}

bool scanning(ScanSwitch which)
{
    return switchInUse == which;
}

// A held key's repeats are no new presses.
void report(bool down)
{
    if (down != switchDown)
        PostMessageA(listener.load(), MSG_SCAN_SWITCH, down, 0);
    switchDown = down;
}

bool isSwitchKey(const KBDLLHOOKSTRUCT& key)
{
    const ScanSwitch which = key.vkCode == VK_SPACE ? switchSpace : switchEnter;
    return key.dwExtraInfo != ownKeystrokeMark && (key.vkCode == VK_SPACE || key.vkCode == VK_RETURN) &&
           scanning(which);
}

LRESULT CALLBACK watchKeys(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && isSwitchKey(*reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam))) {
        report(wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN);
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK watchPointer(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && (wParam == WM_LBUTTONDOWN || wParam == WM_LBUTTONUP) && scanning(switchClick)) {
        report(wParam == WM_LBUTTONDOWN);
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HHOOK keys;
HHOOK pointer;

// Every key and pointer move of the desktop makes a trip through these hooks: they are set only while the
// keys are scanned.
void setSwitchHooks(bool wanted)
{
    if (wanted && !keys) {
        keys = SetWindowsHookExA(WH_KEYBOARD_LL, watchKeys, GetModuleHandleA(nullptr), 0);
        pointer = SetWindowsHookExA(WH_MOUSE_LL, watchPointer, GetModuleHandleA(nullptr), 0);
    } else if (!wanted && keys) {
        UnhookWindowsHookEx(pointer);
        UnhookWindowsHookEx(keys);
        keys = nullptr;
        pointer = nullptr;
    }
}

// The last low-level hook installed is called first: the pointer hook of the keyboard's presses, installed
// again after a size change, would take a click on the keyboard before the switch saw it. While the switch
// is a click, this hook is installed again on each tick, so that it stays first.
void CALLBACK keepFetching(HWND, UINT, UINT_PTR, DWORD)
{
    if (!pointer || !scanning(switchClick) || switchDown)
        return;
    HHOOK renewed = SetWindowsHookExA(WH_MOUSE_LL, watchPointer, GetModuleHandleA(nullptr), 0);
    UnhookWindowsHookEx(pointer);
    pointer = renewed;
}

void follow(WPARAM which)
{
    switchInUse = which;
    setSwitchHooks(which != notScanning);
}

DWORD WINAPI runSwitch(LPVOID startingSwitch)
{
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    follow(reinterpret_cast<WPARAM>(startingSwitch));
    const UINT_PTR timer = SetTimer(nullptr, 0, keepAliveInterval, keepFetching);
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == followSelection && !msg.hwnd)
            follow(msg.wParam);
        else
            DispatchMessageA(&msg);
    }
    KillTimer(nullptr, timer);
    setSwitchHooks(false);
    return 0;
}

} // namespace

void startScanSwitch(HWND window)
{
    listener = window;
    if (!switchThread)
        switchThread = CreateThread(nullptr, 0, runSwitch, reinterpret_cast<LPVOID>(currentSwitch()), 0,
                                    &switchThreadId);
}

void followSelectKeys()
{
    if (switchThread)
        PostThreadMessageA(switchThreadId, followSelection, currentSwitch(), 0);
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
}
