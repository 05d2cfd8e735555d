// Reporting keys typed by anything but the keyboard (a hardware keyboard, dictation, another program's
// keystrokes) to the suggestion strip: the text changes without the keyboard, so the word being typed is no
// longer known. The keyboard's own keystrokes carry its mark and are passed over.
#include "hooklib/hardwarekeyhook.h"

#include "hooklib/hookstate.h"
#include "hooklib/tilmhk32.h"

namespace {

HHOOK keyHook;

// Modifiers alone type nothing.
bool typesSomething(DWORD vk)
{
    switch (vk) {
    case VK_SHIFT:
    case VK_LSHIFT:
    case VK_RSHIFT:
    case VK_CONTROL:
    case VK_LCONTROL:
    case VK_RCONTROL:
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU:
    case VK_LWIN:
    case VK_RWIN: return false;
    default: return true;
    }
}

LRESULT CALLBACK keyHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    HWND strip = hook.stripWindow;
    if (code == HC_ACTION && (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN) &&
        event->dwExtraInfo != ownKeystrokeMark && typesSomething(event->vkCode) && reportsWanted() && strip)
        PostMessageA(strip, MSG_HARDWARE_KEY, event->vkCode, 0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HHOOK setKeyHook()
{
    return SetWindowsHookExA(WH_KEYBOARD_LL, keyHookProc, hook.module, 0);
}

} // namespace

void watchHardwareKeys(bool on)
{
    if (on && !keyHook)
        keyHook = setKeyHook();
    if (!on && keyHook) {
        UnhookWindowsHookEx(keyHook);
        keyHook = nullptr;
    }
}

// Only a hook that is watching is renewed, the new one set before the old one goes.
void renewHardwareKeyHook()
{
    HHOOK renewed = keyHook ? setKeyHook() : nullptr;
    if (!renewed)
        return;
    UnhookWindowsHookEx(keyHook);
    keyHook = renewed;
}
