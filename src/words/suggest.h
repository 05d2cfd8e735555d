// Choosing the words to offer for the letters typed so far, and what choosing one of them types.
#pragma once

#include <string>
#include <vector>

#include "words/learned.h"
#include "words/pairs.h"
#include "words/wordlist.h"

constexpr size_t suggestionCells = 4;

// The most likely words that start with the typed letters, compared without regard to case or accents:
// the user's own use first, then the rank in the list; a word not in the list only once it has been used
// twice. Written in the case of the typing; never the typed text itself.
std::vector<std::string> suggestWords(const WordList& list, const LearnedWords& learned,
                                      const std::string& typed, size_t wanted = suggestionCells);
// With the previous word (or sentenceStart, or nothing): the words that followed it first, the user's own
// pairs before the table's, then the words that start with the typed letters. Before any letter only the
// followers are offered, with a capital at a sentence's start.
std::vector<std::string> suggestWords(const WordList& list, const LearnedWords& learned,
                                      const PairTable& pairs, const std::string& previous,
                                      const std::string& typed, size_t wanted = suggestionCells);

// What choosing a word types after the typed letters: the rest of the word, or, where the typed letters are
// not the word's start as written (case, accents), as many backs as typed characters and the whole word.
struct Completion {
    size_t backs;
    std::string text;
};
Completion completionOf(const std::string& typed, const std::string& word);
