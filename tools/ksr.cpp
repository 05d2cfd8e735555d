// Measures the taps that word suggestions save on a UTF-8 text, with the keyboard's own suggestion code.
// One tap per character typed on the panel, two for a capital (shift and the letter); with suggestions the
// intended word is chosen as soon as it stands among the cells (one tap, which also types its space).
// Before a word's first letter the cells offer the words that follow the previous one (after a space, or a
// sentence's end). Learning is on and starts empty. Usage: ksr TEXT WORDLIST [PAIRTABLE]
#include <algorithm>
#include <cstdio>
#include <string>

#include "words/folding.h"
#include "words/suggest.h"
#include "tools/typedtext.h"

namespace {

using namespace typedtext;

int tapsFor(char32_t c)
{
    return lowerOf(c) != c ? 2 : 1;
}

struct Tally {
    long all = 0;
    long withSuggestions = 0;
    long nextWords = 0;
};

struct Words {
    const WordList& list;
    const PairTable& pairs;
    LearnedWords learned;
};

// Types one word; returns true when it was chosen from the cells.
bool typeWord(const std::u32string& word, Words& words, const std::string& previous, Tally& tally)
{
    const std::string whole = encodeUtf8(word);
    std::u32string typed;
    for (char32_t c : word) {
        tally.all += tapsFor(c);
        if ((!typed.empty() || !previous.empty()) && isWord(whole)) {
            const auto offered =
                suggestWords(words.list, words.learned, words.pairs, previous, encodeUtf8(typed));
            if (std::find(offered.begin(), offered.end(), whole) != offered.end()) {
                tally.withSuggestions += 1;
                tally.nextWords += typed.empty();
                for (size_t k = typed.size() + 1; k < word.size(); ++k)
                    tally.all += tapsFor(word[k]);
                learnWord(words.learned, words.list, whole, previous);
                return true;
            }
        }
        typed += c;
        tally.withSuggestions += tapsFor(c);
    }
    learnWord(words.learned, words.list, whole, previous);
    return false;
}

Tally measure(const std::u32string& text, const WordList& list, const PairTable& pairs)
{
    Words words{list, pairs, {}};
    Tally tally;
    std::string previous = sentenceStart;
    // A chosen word's space stands in the text until the next character shows whether it belongs there.
    bool chosenSpace = false;
    size_t i = 0;
    while (i < text.size()) {
        if (inWord(text, i)) {
            const size_t end = wordEnd(text, i);
            chosenSpace = typeWord(text.substr(i, end - i), words, previous, tally);
            previous = encodeUtf8(text.substr(i, end - i));
            i = end;
            continue;
        }
        const char32_t c = text[i++];
        previous = previousAfter(c, previous);
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
    MeasuredText given;
    if (const int wrongCall = readArguments(argc, argv, "ksr", given))
        return wrongCall;
    const WordList& list = given.list;
    const PairTable& pairs = given.pairs;
    const Tally tally = measure(given.text, list, pairs);
    std::printf("%zu words in the list, %zu in the pair table\n", wordCount(list), pairs.lineStart.size());
    std::printf("%ld words chosen before their first letter\n", tally.nextWords);
    std::printf("keystroke saving %.1f%% (%ld of %ld taps)\n",
                100.0 * static_cast<double>(tally.all - tally.withSuggestions) /
                    static_cast<double>(tally.all),
                tally.withSuggestions, tally.all);
    return 0;
}
