// The shipped table of the words that most often follow each word: one line a previous word (in small
// letters, or "." for a sentence's start), then its followers, likeliest first, separated by spaces. Kept
// as the file's text with an index of its lines.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct PairTable {
    std::string text;
    // Where each line starts, sorted by its previous word.
    std::vector<std::uint32_t> lineStart;
};

PairTable parsePairTable(const std::string& text);
// A missing or unreadable file gives an empty table.
PairTable loadPairTable(const std::filesystem::path& file);
// The followers of the previous word (as previousKey gives it), likeliest first.
std::vector<std::string_view> followersOf(const PairTable& table, const std::string& previous);
