// How the measuring tools type a text: its white space as the keys type it, its words, and the previous
// word that each character between words leaves for the next word's suggestions.
#pragma once

#include <cstdio>
#include <string>

#include "words/folding.h"
#include "words/learned.h"
#include "words/pairs.h"
#include "words/wordlist.h"

namespace typedtext {

constexpr char32_t apostrophe = '\'';
// The marks that take the space of a chosen word after them ("word. ").
const std::u32string marksBeforeTheSpace = U".,;:!?)";
const std::u32string sentenceEnds = U".!?";

// Paragraphs (blank lines between) end with one enter; every other run of white space is one space.
inline std::u32string asTyped(const std::u32string& text)
{
    std::u32string typed;
    int newlines = 0;
    bool blank = false;
    for (char32_t c : text) {
        if (c == U'\u2019')
            c = apostrophe;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            newlines += c == '\n';
            blank = true;
            continue;
        }
        if (blank && !typed.empty())
            typed += newlines >= 2 ? '\n' : ' ';
        blank = false;
        newlines = 0;
        typed += c;
    }
    return typed;
}

inline bool inWord(const std::u32string& text, size_t i)
{
    if (isLetter(text[i]) || (text[i] >= '0' && text[i] <= '9'))
        return true;
    return text[i] == apostrophe && i > 0 && i + 1 < text.size() && isLetter(text[i - 1]) &&
           isLetter(text[i + 1]);
}

// Where the word that starts at i ends.
inline size_t wordEnd(const std::u32string& text, size_t i)
{
    while (i < text.size() && inWord(text, i))
        ++i;
    return i;
}

// What a character between words leaves as the previous word: a space keeps it, a sentence's end (and the
// enter after it) makes it the start of a sentence, anything else leaves none.
inline std::string previousAfter(char32_t c, const std::string& previous)
{
    if (c == ' ' || (c == '\n' && previous == sentenceStart))
        return previous;
    return sentenceEnds.find(c) != std::u32string::npos ? sentenceStart : "";
}

// What a measuring tool is given: TEXT WORDLIST [PAIRTABLE].
struct MeasuredText {
    std::u32string text;
    WordList list;
    PairTable pairs;
};

// Returns the exit code of a call that cannot be measured, or 0.
inline int readArguments(int argc, char** argv, const char* tool, MeasuredText& given)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s TEXT WORDLIST [PAIRTABLE]\n", tool);
        return 2;
    }
    bool readable = false;
    given.text = asTyped(decodeUtf8(readWholeFile(argv[1], readable)));
    if (!readable || given.text.empty()) {
        std::fprintf(stderr, "%s: %s is no UTF-8 text\n", tool, argv[1]);
        return 1;
    }
    given.list = loadWordList(argv[2]);
    given.pairs = argc == 4 ? loadPairTable(argv[3]) : PairTable{};
    return 0;
}

} // namespace typedtext
