// Key processing: a tap on the panel becomes a keystroke in the target, a latch or a command.
#pragma once

#include <windows.h>

INT_PTR onKeyPress(LPARAM lParam);
INT_PTR onKeyRelease();
void processKey(BYTE keyId);
void sendKeystroke(BYTE vk, bool shift, bool ctrl, bool alt);
// Types a character that the target's layout lacks or cannot type by its key alone, wrapped in the latched
// ctrl and alt.
void sendCharacter(char ch, bool ctrl, bool alt);
void sendUnicodeCharacter(wchar_t character, bool ctrl, bool alt);
