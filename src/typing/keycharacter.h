// The character a key types in the target's layout, for tracking what was typed.
#pragma once

#include <windows.h>

// The one character the key types with the shift and caps lock given, or 0 (a dead key, several characters,
// none). Asked without changing the layout's dead-key state.
char32_t characterOfKey(BYTE vk, bool shift, bool capsLock);
