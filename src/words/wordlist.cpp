// Loading a ranked word list and finding its words by their start with a binary search of the folded index.
#include "words/wordlist.h"

#include <algorithm>
#include <fstream>

#include "words/folding.h"

namespace {

constexpr size_t longestWord = 32;
constexpr std::uint32_t inFolded = 0x80000000u;

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
    list.foldedLength.push_back(static_cast<std::uint8_t>(folded.size()));
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
    list.byFold.resize(wordCount(list));
    for (std::uint32_t rank = 0; rank < list.byFold.size(); ++rank)
        list.byFold[rank] = rank;
    std::sort(list.byFold.begin(), list.byFold.end(), [&](std::uint32_t a, std::uint32_t b) {
        const std::string_view foldedA = foldedAt(list, a);
        const std::string_view foldedB = foldedAt(list, b);
        return foldedA != foldedB ? foldedA < foldedB : a < b;
    });
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

// Plain ASCII words, most of every list, are checked without decoding.
bool isWord(const std::string& word)
{
    if (std::all_of(word.begin(), word.end(), [](char c) { return isAsciiLetter(c) || c == '\''; }))
        return !word.empty() && word.size() <= longestWord && isAsciiLetter(word.front()) &&
               isAsciiLetter(word.back());
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
    const auto lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    list.words.reserve(text.size());
    list.wordStart.reserve(lines + 1);
    list.foldedStart.reserve(lines);
    list.foldedLength.reserve(lines);
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
    list.wordStart.push_back(static_cast<std::uint32_t>(list.words.size()));
    sortByFold(list);
    return list;
}

// Read in one piece: the lists are large, and the memory they take is counted.
std::string readWholeFile(const std::filesystem::path& file, bool& readable)
{
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    std::string content;
    if (in) {
        content.resize(static_cast<size_t>(in.tellg()));
        in.seekg(0);
        in.read(content.data(), static_cast<std::streamsize>(content.size()));
    }
    readable = in.good();
    return readable ? content : "";
}

WordList loadWordList(const std::filesystem::path& file)
{
    bool readable = false;
    const std::string text = readWholeFile(file, readable);
    return readable ? parseWordList(text) : WordList{};
}

size_t wordCount(const WordList& list)
{
    return list.wordStart.empty() ? 0 : list.wordStart.size() - 1;
}

// Each word is followed by its newline.
std::string_view wordAt(const WordList& list, size_t rank)
{
    return std::string_view(list.words)
        .substr(list.wordStart[rank], list.wordStart[rank + 1] - list.wordStart[rank] - 1);
}

std::string_view foldedAt(const WordList& list, size_t rank)
{
    const std::uint32_t start = list.foldedStart[rank];
    const std::string& block = start & inFolded ? list.foldedWords : list.words;
    return std::string_view(block).substr(start & ~inFolded, list.foldedLength[rank]);
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
