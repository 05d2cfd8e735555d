// Whether a keyboard layout types a character by its key, decided from the layout's own answers.
#pragma once

#include <windows.h>

// What a layout answers for a character: VkKeyScanExA's key and shift state, and ToUnicodeEx's count for
// that key alone and with shift, negative where the key is a dead key in that state.
struct LayoutAnswers {
    SHORT keyScan;
    int alone;
    int shifted;
};

// Only shift may be needed: ctrl and alt would reach the application as shortcuts, and a dead key, in the
// shift state the character is typed with, would wait for the next character. Otherwise the character
// goes out as a character.
bool typedByItsKey(const LayoutAnswers& answers);
