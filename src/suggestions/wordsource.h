// The word list and the user's counts for the language of the target's keyboard layout.
#pragma once

#include <windows.h>

#include "words/learned.h"
#include "words/pairs.h"
#include "words/wordlist.h"

struct ActiveWords {
    const WordList* list;
    LearnedWords* learned;
    const PairTable* pairs;
};

// Loads the language's list, pair table and counts at their first use. Nothing where the words folder has
// no list for the language. A counts file that could not be read is read again at a later use.
ActiveWords wordsForTarget();
// Writes the counts of every language that changed since its last save. Closing, the counts learned while a
// file could not be read are kept beside it ("Words-<code>.txt.waiting") and join it once it can be read.
void saveLearnedWords(bool closing);
// Empties the counts of every language and removes their files; false when a file could not be removed.
bool forgetLearnedWords();
