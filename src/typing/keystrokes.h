// Keystrokes into the target: virtual keys with their scan codes and the latched modifiers around them, and
// characters through the Unicode path.
#pragma once

#include <windows.h>

#include "hooklib/tilmhk32.h"

void sendKeystroke(BYTE vk, bool shift, bool ctrl, bool alt);
// Types a character that the target's layout lacks or cannot type by its key alone, wrapped in the latched
// ctrl and alt.
void sendCharacter(char ch, bool ctrl, bool alt);
void sendUnicodeCharacter(wchar_t character, bool ctrl, bool alt);
// A keystroke went out: the one-shot latches end and their lights go out.
void clearOneShotLatches();
