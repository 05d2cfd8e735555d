// A ranked word list (most frequent first) with a folded index for finding words by their start, kept in a
// few large blocks: the English list holds some 65,000 words.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct WordList {
    // Every word followed by a newline, in rank order.
    std::string words;
    // The folded forms that differ from their word, each followed by a newline.
    std::string foldedWords;
    // By rank: where the word starts in words; one more entry marks the end.
    std::vector<std::uint32_t> wordStart;
    // By rank: where the folded form starts, in foldedWords when the top bit is set, else in words.
    std::vector<std::uint32_t> foldedStart;
    // By rank: the length of the folded form.
    std::vector<std::uint8_t> foldedLength;
    // The ranks sorted by folded form, so that the words with one start stand together.
    std::vector<std::uint32_t> byFold;
};

// One word a line, UTF-8; lines that hold no word (blanks, spaces, digits) are passed over. A text that is
// not UTF-8 gives an empty list.
WordList parseWordList(const std::string& text);
// A missing or unreadable file gives an empty list.
WordList loadWordList(const std::filesystem::path& file);
std::string readWholeFile(const std::filesystem::path& file, bool& readable);

size_t wordCount(const WordList& list);
std::string_view wordAt(const WordList& list, size_t rank);
std::string_view foldedAt(const WordList& list, size_t rank);
// The range of byFold whose folded forms start with the folded prefix.
std::pair<size_t, size_t> entriesStartingWith(const WordList& list, const std::string& foldedPrefix);
// The rank of the word as listed, or -1.
int rankOf(const WordList& list, const std::string& word);
// A word that may be offered and learned: letters, apostrophes inside, at most 32 characters.
bool isWord(const std::string& word);
