// Keystrokes into the target, by the target's own layout: the scan code and extended flag of each key, the
// latched modifiers pressed around it, and characters that no key types through the Unicode path.
#include "typing/keystrokes.h"

#include "state/appstate.h"
#include "typing/keystate.h"
#include "typing/targetlayout.h"

namespace {

// The navigation keys share their scan codes with the number pad's keys; only the extended flag tells
// them apart. Not every platform marks them as extended, so they are named here.
bool isExtendedKey(BYTE vk)
{
    switch (vk) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE: return true;
    default: return HIBYTE(MapVirtualKeyExA(vk, MAPVK_VK_TO_VSC_EX, targetLayout())) == 0xE0;
    }
}

// Applications that read scan codes (terminals, remote sessions, virtual machines) drop events without one.
void keyEvent(BYTE vk, DWORD flags)
{
    const auto scanCode = static_cast<BYTE>(MapVirtualKeyExA(vk, MAPVK_VK_TO_VSC, targetLayout()));
    keybd_event(vk, scanCode, flags | (isExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0), ownKeystrokeMark);
}

void pressModifiers(bool shift, bool ctrl, bool alt)
{
    if (alt)
        keyEvent(VK_MENU, 0);
    if (ctrl)
        keyEvent(VK_CONTROL, 0);
    if (shift)
        keyEvent(VK_SHIFT, 0);
}

void releaseModifiers(bool shift, bool ctrl, bool alt)
{
    if (shift)
        keyEvent(VK_SHIFT, KEYEVENTF_KEYUP);
    if (ctrl)
        keyEvent(VK_CONTROL, KEYEVENTF_KEYUP);
    if (alt)
        keyEvent(VK_MENU, KEYEVENTF_KEYUP);
}

void unicodeEvent(wchar_t character, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE | flags;
    input.ki.dwExtraInfo = ownKeystrokeMark;
    SendInput(1, &input, sizeof input);
}

} // namespace

void sendKeystroke(BYTE vk, bool shift, bool ctrl, bool alt)
{
    pressModifiers(shift, ctrl, alt);
    keyEvent(vk, 0);
    keyEvent(vk, KEYEVENTF_KEYUP);
    releaseModifiers(shift, ctrl, alt);
}

void sendCharacter(char ch, bool ctrl, bool alt)
{
    wchar_t character = 0;
    MultiByteToWideChar(CP_ACP, 0, &ch, 1, &character, 1);
    sendUnicodeCharacter(character, ctrl, alt);
}

void sendUnicodeCharacter(wchar_t character, bool ctrl, bool alt)
{
    pressModifiers(false, ctrl, alt);
    unicodeEvent(character, 0);
    unicodeEvent(character, KEYEVENTF_KEYUP);
    releaseModifiers(false, ctrl, alt);
}

void clearOneShotLatches()
{
    latches.shiftLatch = 0;
    latches.ctrlLatch = 0;
    latches.altLatch = 0;
    hideIndicators();
}
