// Loading a ranked word list and finding its words by their start with a binary search of the folded index.
#include "words/wordlist.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

#include "words/folding.h"

namespace {

constexpr size_t longestWord = 32;
constexpr std::uint32_t inFolded = 0x80000000u;

std::string_view lineAt(const std::string& block, size_t start)
{
    const char* begin = block.data() + start;
    return std::string_view(begin,
                            static_cast<const char*>(std::memchr(begin, '\n', block.size() - start)) - begin);
}

std::string_view trimmed(std::string_view line)
{
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

void addWord(WordList& list, const std::string& word)
{
    const std::string folded = foldWord(word);
    list.wordStart.push_back(static_cast<std::uint32_t>(list.words.size()));
    if (folded == word) {
        list.foldedStart.push_back(list.wordStart.back());
    } else {
        list.foldedStart.push_back(static_cast<std::uint32_t>(list.foldedWords.size()) | inFolded);
        list.foldedWords += folded + '\n';
    }
    list.words += word + '\n';
}

// Ranks with the same folded form keep their order, the better rank first.
void sortByFold(WordList& list)
{
    list.byFold.resize(list.wordStart.size());
    for (std::uint32_t rank = 0; rank < list.byFold.size(); ++rank)
        list.byFold[rank] = rank;
    std::stable_sort(list.byFold.begin(), list.byFold.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return foldedAt(list, a) < foldedAt(list, b); });
}

} // namespace

bool isWord(const std::string& word)
{
    const std::u32string letters = decodeUtf8(word);
    if (letters.empty() || letters.size() > longestWord || !isLetter(letters.front()) ||
        !isLetter(letters.back()))
        return false;
    return std::all_of(letters.begin(), letters.end(), [](char32_t c) { return isLetter(c) || c == '\''; });
}

WordList parseWordList(const std::string& text)
{
    WordList list;
    if (!validUtf8(text))
        return list;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word(trimmed(std::string_view(text).substr(start, end - start)));
        if (isWord(word))
            addWord(list, word);
        start = end + 1;
    }
    sortByFold(list);
    return list;
}

std::string readWholeFile(const std::filesystem::path& file, bool& readable)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    readable = in.good() || in.eof();
    return readable ? content.str() : "";
}

WordList loadWordList(const std::filesystem::path& file)
{
    bool readable = false;
    const std::string text = readWholeFile(file, readable);
    return readable ? parseWordList(text) : WordList{};
}

size_t wordCount(const WordList& list)
{
    return list.wordStart.size();
}

std::string_view wordAt(const WordList& list, size_t rank)
{
    return lineAt(list.words, list.wordStart[rank]);
}

std::string_view foldedAt(const WordList& list, size_t rank)
{
    const std::uint32_t start = list.foldedStart[rank];
    return start & inFolded ? lineAt(list.foldedWords, start & ~inFolded) : lineAt(list.words, start);
}

// 0xFF never occurs in UTF-8, so every word with the prefix sorts before the prefix followed by it.
std::pair<size_t, size_t> entriesStartingWith(const WordList& list, const std::string& foldedPrefix)
{
    const auto at = [&](const std::string& key) {
        const auto found = std::lower_bound(list.byFold.begin(), list.byFold.end(), key,
                                            [&](std::uint32_t rank, const std::string& k) {
                                                return foldedAt(list, rank) < std::string_view(k);
                                            });
        return static_cast<size_t>(found - list.byFold.begin());
    };
    return {at(foldedPrefix), at(foldedPrefix + '\xFF')};
}

int rankOf(const WordList& list, const std::string& word)
{
    const std::string folded = foldWord(word);
    const auto [first, last] = entriesStartingWith(list, folded);
    for (size_t i = first; i < last && foldedAt(list, list.byFold[i]) == folded; ++i)
        if (wordAt(list, list.byFold[i]) == word)
            return static_cast<int>(list.byFold[i]);
    return -1;
}
