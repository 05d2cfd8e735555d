// The target's keyboard layout and what it answers for the characters the keyboard types and the keys it
// tracks.
#include "typing/targetlayout.h"

#include "letters/layoutanswers.h"
#include "state/appstate.h"

namespace {

// Asks ToUnicodeEx not to change the layout's dead-key state (Windows 10 1607 and later).
constexpr UINT keepKeyState = 4;

// What ToUnicodeEx types with the key held down, with shift or without, in the Caps Lock state given. Where
// flag 4 is unknown, a dead key stays pending in the layout's state; asking once more types it twice and so
// ends it.
KeyAnswer typedBy(BYTE vk, bool shift, bool capsLock, HKL layout)
{
    BYTE keyState[256] = {};
    keyState[vk] = 0x80;
    keyState[VK_SHIFT] = shift ? 0x80 : 0;
    keyState[VK_CAPITAL] = capsLock ? 1 : 0;
    const UINT scanCode = MapVirtualKeyExW(vk, MAPVK_VK_TO_VSC, layout);
    wchar_t typed[8] = L"";
    const int count = ToUnicodeEx(vk, scanCode, keyState, typed, 8, keepKeyState, layout);
    if (count < 0) {
        wchar_t ended[8];
        ToUnicodeEx(vk, scanCode, keyState, ended, 8, keepKeyState, layout);
    }
    return KeyAnswer{count, typed[0]};
}

// The Caps Lock state that the target shares with this thread.
bool capsLockOn()
{
    return GetKeyState(VK_CAPITAL) & 1;
}

} // namespace

HKL targetLayout()
{
    return GetKeyboardLayout(GetWindowThreadProcessId(app.targetWindow, nullptr));
}

SHORT keyTypingCharacter(char ch)
{
    const HKL layout = targetLayout();
    const SHORT keyScan = VkKeyScanExA(ch, layout);
    if (keyScan == -1)
        return -1;
    const BYTE vk = LOBYTE(keyScan);
    const LayoutAnswers answers{keyScan, typedBy(vk, false, capsLockOn(), layout),
                                typedBy(vk, true, capsLockOn(), layout)};
    return keyStrokeFor(static_cast<unsigned char>(ch), answers);
}

char32_t characterOfKey(BYTE vk, bool shift, bool capsLock)
{
    const KeyAnswer answer = typedBy(vk, shift, capsLock, targetLayout());
    return answer.count == 1 ? static_cast<char32_t>(answer.typed) : 0;
}
