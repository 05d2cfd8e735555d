// Reading a key's character through the target's layout: a Russian layout's "G" key is "п", not "g".
#include "typing/keycharacter.h"

#include "typing/targetlayout.h"

namespace {

// Asks ToUnicodeEx not to change the layout's dead-key state (Windows 10 1607 and later).
constexpr UINT keepKeyState = 4;

} // namespace

char32_t characterOfKey(BYTE vk, bool shift, bool capsLock)
{
    const HKL layout = targetLayout();
    BYTE keyState[256] = {};
    keyState[vk] = 0x80;
    keyState[VK_SHIFT] = shift ? 0x80 : 0;
    keyState[VK_CAPITAL] = capsLock ? 1 : 0;
    const UINT scanCode = MapVirtualKeyExW(vk, MAPVK_VK_TO_VSC, layout);
    wchar_t typed[8];
    const int count = ToUnicodeEx(vk, scanCode, keyState, typed, 8, keepKeyState, layout);
    // Where flag 4 is unknown a dead key stays pending; asking once more ends it.
    if (count < 0)
        ToUnicodeEx(vk, scanCode, keyState, typed, 8, keepKeyState, layout);
    return count == 1 ? static_cast<char32_t>(typed[0]) : 0;
}
