// Decoding a stroke into words: each candidate's ideal path through its letters' keys is compared with the
// stroke by its shape and by where it runs, and weighted by how likely the word is after the previous one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "strokes/paths.h"
#include "words/learned.h"
#include "words/pairs.h"
#include "words/wordlist.h"

// The letters of each listed word's path, made once per list: the words grouped by the letters their paths
// start and end at, so that a stroke looks only at the words that start and end near it.
struct StrokeIndex {
    // By rank: the letters of its path, 0 for a to 25 for z, a doubled letter once; letterStart has one
    // more entry, the end.
    std::vector<std::uint8_t> letters;
    std::vector<std::uint32_t> letterStart;
    // The ranks of the words whose path has two keys or more, grouped by first letter * 26 + last letter;
    // groupStart has one more entry, the end.
    std::vector<std::uint32_t> ranks;
    std::vector<std::uint32_t> groupStart;
};

StrokeIndex buildStrokeIndex(const WordList& list);

// A word that is not listed is a candidate once it has been used this often, as for the suggestions.
constexpr int usesToWrite = 2;

struct StrokeWords {
    const WordList& list;
    const StrokeIndex& index;
    const LearnedWords& learned;
    const PairTable& pairs;
};

// The likeliest words for the stroke, best first, as listed or learned (a learned word that is not listed
// once it has been used twice), at most wanted of them; none when no word's path starts and ends near the
// stroke's ends. previous is the word before, sentenceStart, or empty.
std::vector<std::string> decodeStroke(const StrokeWords& words, const std::string& previous,
                                      const LetterKeys& keys, const Path& stroke, size_t wanted);
