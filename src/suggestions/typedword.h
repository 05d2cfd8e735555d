// The word being typed, built from the keyboard's own keystrokes, and choosing a suggestion for it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// After each keystroke of a key: its virtual key, the character it typed when it was one of the punctuation
// or pad characters (else 0), and the modifiers it went out with.
void trackKeystroke(BYTE vk, char ch, bool shift, bool ctrl, bool alt);
// A form chosen from the popup took the place of the letter typed last.
void replaceTypedLetter(wchar_t form);
// The word is abandoned, not counted: the text or the caret changed without the keyboard.
void forgetTypedWord();
// Types what is missing of the offered word and a space, as the keys type.
void chooseSuggestion(size_t cell);
const std::vector<std::string>& offeredWords();
// The letters of the word being typed and the word before it, for the scan's likely letters; nothing in a
// password field. Tracked while the strip stands or the scan is predictive.
struct WordSoFar {
    std::string letters;
    std::string previous;
};
WordSoFar wordSoFar();
