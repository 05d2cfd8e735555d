// Which key and shift state of a keyboard layout types a character, decided from the layout's own answers.
#pragma once

#include <windows.h>

// What ToUnicodeEx types with a key in one shift state: its count, negative for a dead key, and the first
// character.
struct KeyAnswer {
    int count;
    wchar_t typed;
};

// What a layout answers for a character: VkKeyScanExA's key and shift state, and what that key types alone
// and with shift in the Caps Lock state of the moment, which on some layouts shifts more than the letters.
struct LayoutAnswers {
    SHORT keyScan;
    KeyAnswer alone;
    KeyAnswer shifted;
};

// The key with shift or without that types ch at once, in VkKeyScanExA's form, or -1: ctrl and alt would
// reach the application as shortcuts and a dead key would wait for the next character, so such a character
// goes out as a character.
SHORT keyStrokeFor(wchar_t ch, const LayoutAnswers& answers);
