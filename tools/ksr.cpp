// Measures the taps that word suggestions save on a UTF-8 text, with the keyboard's own suggestion code.
// One tap per character typed on the panel, two for a capital (shift and the letter); with suggestions the
// intended word is chosen as soon as it stands among the cells (one tap, which also types its space).
// Learning is on and starts empty. Usage: ksr TEXT WORDLIST
#include <algorithm>
#include <cstdio>
#include <string>

#include "words/folding.h"
#include "words/suggest.h"

namespace {

constexpr char32_t apostrophe = '\'';
const std::u32string marksBeforeTheSpace = U".,;:!?)";

// Paragraphs (blank lines between) end with one enter; every other run of white space is one space.
std::u32string asTyped(const std::u32string& text)
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

int tapsFor(char32_t c)
{
    return lowerOf(c) != c ? 2 : 1;
}

bool inWord(const std::u32string& text, size_t i)
{
    if (isLetter(text[i]) || (text[i] >= '0' && text[i] <= '9'))
        return true;
    return text[i] == apostrophe && i > 0 && i + 1 < text.size() && isLetter(text[i - 1]) &&
           isLetter(text[i + 1]);
}

struct Tally {
    long all = 0;
    long withSuggestions = 0;
};

// Types one word from text[start]; returns true when it was chosen from the cells.
bool typeWord(const std::u32string& word, const WordList& list, LearnedWords& learned, Tally& tally)
{
    const std::string whole = encodeUtf8(word);
    std::u32string typed;
    for (char32_t c : word) {
        tally.all += tapsFor(c);
        if (!typed.empty() && isWord(whole)) {
            const auto offered = suggestWords(list, learned, encodeUtf8(typed));
            if (std::find(offered.begin(), offered.end(), whole) != offered.end()) {
                tally.withSuggestions += 1;
                for (size_t k = typed.size() + 1; k < word.size(); ++k)
                    tally.all += tapsFor(word[k]);
                learnWord(learned, list, whole);
                return true;
            }
        }
        typed += c;
        tally.withSuggestions += tapsFor(c);
    }
    learnWord(learned, list, whole);
    return false;
}

Tally measure(const std::u32string& text, const WordList& list)
{
    LearnedWords learned;
    Tally tally;
    // A chosen word's space stands in the text until the next character shows whether it belongs there.
    bool chosenSpace = false;
    size_t i = 0;
    while (i < text.size()) {
        if (inWord(text, i)) {
            size_t end = i;
            while (end < text.size() && inWord(text, end))
                ++end;
            chosenSpace = typeWord(text.substr(i, end - i), list, learned, tally);
            i = end;
            continue;
        }
        const char32_t c = text[i++];
        tally.all += tapsFor(c);
        if (chosenSpace && c == ' ') {
            chosenSpace = false;
            continue;
        }
        if (chosenSpace && marksBeforeTheSpace.find(c) != std::u32string::npos) {
            tally.withSuggestions += 1;
            continue;
        }
        // A back takes away the chosen word's space where the text has none.
        tally.withSuggestions += tapsFor(c) + (chosenSpace ? 1 : 0);
        chosenSpace = false;
    }
    return tally;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: ksr TEXT WORDLIST\n");
        return 2;
    }
    bool readable = false;
    const std::string raw = readWholeFile(argv[1], readable);
    const std::u32string text = asTyped(decodeUtf8(raw));
    if (!readable || text.empty()) {
        std::fprintf(stderr, "ksr: %s is no UTF-8 text\n", argv[1]);
        return 1;
    }
    const WordList list = loadWordList(argv[2]);
    const Tally tally = measure(text, list);
    std::printf("%zu words in the list\n", wordCount(list));
    std::printf("keystroke saving %.1f%% (%ld of %ld taps)\n",
                100.0 * static_cast<double>(tally.all - tally.withSuggestions) /
                    static_cast<double>(tally.all),
                tally.withSuggestions, tally.all);
    return 0;
}
