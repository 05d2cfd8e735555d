// How likely each letter is to come next in the word being typed, and how likely the offered words are to
// hold the word, from the word list, the user's counts and the pairs: cheap enough for every scan step.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "words/learned.h"
#include "words/pairs.h"
#include "words/wordlist.h"

constexpr int alphabetSize = 26;

struct WordContext {
    const WordList* list;
    const LearnedWords* learned;
    const PairTable* pairs;
    // The letters of the word being typed, and the word before it (or sentenceStart, or nothing).
    std::string typed;
    std::string previous;
};

// The odds of a to z being the next letter, in any unit: only their order and their ratios count.
std::array<double, alphabetSize> nextLetterOdds(const WordContext& words);
// The share, from 0 to 1, of the likely words with the typed start that the offered words make up.
double oddsOfOffered(const WordContext& words, const std::vector<std::string>& offered);
