// The target's keyboard layout and what it answers for the characters the keyboard types.
#include "typing/targetlayout.h"

#include "letters/layoutanswers.h"
#include "state/appstate.h"

namespace {

// Asks ToUnicodeEx not to change the layout's dead-key state (Windows 10 1607 and later).
constexpr UINT keepKeyState = 4;

// What ToUnicodeEx types with the key, alone or with shift, in the Caps Lock state that the target shares
// with this thread. Where flag 4 is unknown, a dead key stays pending in the layout's state; asking once more
// types it twice and so ends it.
KeyAnswer typedBy(BYTE vk, bool shift, HKL layout)
{
    BYTE keyState[256] = {};
    keyState[VK_SHIFT] = shift ? 0x80 : 0;
    keyState[VK_CAPITAL] = GetKeyState(VK_CAPITAL) & 1;
    const UINT scanCode = MapVirtualKeyExA(vk, MAPVK_VK_TO_VSC, layout);
    wchar_t typed[8] = L"";
    const int count = ToUnicodeEx(vk, scanCode, keyState, typed, 8, keepKeyState, layout);
    if (count < 0) {
        wchar_t ended[8];
        ToUnicodeEx(vk, scanCode, keyState, ended, 8, keepKeyState, layout);
    }
    return KeyAnswer{count, typed[0]};
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
    const LayoutAnswers answers{keyScan, typedBy(vk, false, layout), typedBy(vk, true, layout)};
    return keyStrokeFor(static_cast<unsigned char>(ch), answers);
}
