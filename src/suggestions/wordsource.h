// The word list and the user's counts for the language of the target's keyboard layout.
#pragma once

#include <windows.h>

#include "words/learned.h"
#include "words/wordlist.h"

struct ActiveWords {
    const WordList* list;
    LearnedWords* learned;
};

// Loads the language's list and counts at their first use. English where the words folder has no list for
// the language.
ActiveWords wordsForTarget();
// Writes the counts of every language that changed since its last save.
void saveLearnedWords();
