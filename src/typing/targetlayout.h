// The target's keyboard layout: the one the user chose for the application being typed into.
#pragma once

#include <windows.h>

// The layout of the target window's thread; the keyboard's own thread never comes to the front, so its
// layout is not the one that matters.
HKL targetLayout();
// The target layout's key and shift state that types a character in the present Caps Lock state (in
// VkKeyScanExA's form), or -1 when the character must go out as a character.
SHORT keyTypingCharacter(char ch);
// The one character the key types with the shift and caps lock given, or 0 (a dead key, several characters,
// none), for tracking what was typed. Asked without changing the layout's dead-key state.
char32_t characterOfKey(BYTE vk, bool shift, bool capsLock);
