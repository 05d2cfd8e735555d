// Key processing: a tap on the panel becomes a keystroke in the target, a latch or a command.
#pragma once

#include <windows.h>

#include "shell/appstate.h"

// Types keyId with the shift, ctrl, alt, caps and navigation latches of use; the latch and mode keys toggle
// the keyboard's own latches instead.
void processKey(BYTE keyId, ModifierLatches use);
void sendKeystroke(BYTE vk, bool shift, bool ctrl, bool alt);
// Types a character that the target's layout lacks or cannot type by its key alone, wrapped in the latched
// ctrl and alt.
void sendCharacter(char ch, bool ctrl, bool alt);
void sendUnicodeCharacter(wchar_t character, bool ctrl, bool alt);
