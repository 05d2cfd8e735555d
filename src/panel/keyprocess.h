// Key processing: a tap on the panel becomes a keystroke in the target, a latch or a command.
#pragma once

#include <windows.h>

#include "shell/appstate.h"

// Types keyId with the shift, ctrl, alt, caps and navigation latches of use; the latch and mode keys toggle
// the keyboard's own latches instead.
void processKey(BYTE keyId, ModifierLatches use);
void sendKeystroke(BYTE vk, bool shift, bool ctrl, bool alt);
// Whether the active layout types a character by its key, given VkKeyScanA's answer for it and
// MapVirtualKeyA(vk, MAPVK_VK_TO_CHAR) for that key; otherwise the character goes out by sendCharacter.
bool typedByItsKey(SHORT keyScan, UINT keyCharacter);
// Types a character that the active layout lacks or cannot type by its key alone, wrapped in the latched ctrl
// and alt.
void sendCharacter(char ch, bool ctrl, bool alt);
