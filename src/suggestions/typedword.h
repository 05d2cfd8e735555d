// The word being typed, built from the keyboard's own keystrokes, and choosing a suggestion for it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "state/appstate.h"
#include "strokes/paths.h"

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
// The focus is known to be in a password box or a private window: a press there is never followed.
bool typingIntoPassword();
// A stroke whose press typed a letter with the latches it found: its likeliest word and a space take the
// letter's place, as a chosen suggestion does, and the strip offers the next likeliest, a choice of which
// replaces the word. Letters typed before the press end as a word of their own. A stroke that no word fits
// takes the letter away; in a language without a word list, or where the typing turned out to be private
// (its answer came after the press), the letter stays. Released before the answer for its window came, the
// stroke is written once the answer has come. The frame is asked to show the strip when it has words to
// offer.
void writeStroke(const LetterKeys& keys, const Path& path, const ModifierLatches& found);
