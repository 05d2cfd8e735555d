// Loading the pair table, checked as the word lists are, and finding a word's followers with a binary search
// of its lines.
#include "words/pairs.h"

#include <algorithm>

#include "words/learned.h"

namespace {

std::string_view lineAt(const PairTable& table, std::uint32_t start)
{
    const size_t end = table.text.find('\n', start);
    return std::string_view(table.text)
        .substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string_view previousOf(std::string_view line)
{
    return line.substr(0, line.find(' '));
}

// The line as the table keeps it: its previous word and those of its followers that are words (valid UTF-8,
// letters, at most 32 characters), or nothing when the previous word is not one.
std::string checkedLine(std::string_view line)
{
    std::string checked;
    for (size_t start = 0; start < line.size();) {
        const size_t from = line.find_first_not_of(" \t\r", start);
        if (from == std::string_view::npos)
            break;
        const size_t to = std::min(line.find_first_of(" \t\r", from), line.size());
        const std::string field(line.substr(from, to - from));
        const bool taken = isWord(field) || (checked.empty() && field == sentenceStart);
        if (checked.empty() && !taken)
            return "";
        if (taken)
            checked += (checked.empty() ? "" : " ") + field;
        start = to;
    }
    return checked;
}

} // namespace

// A damaged table never offers, and so never types, what is not a word.
PairTable parsePairTable(const std::string& text)
{
    PairTable table;
    table.text.reserve(text.size());
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = checkedLine(std::string_view(text).substr(start, end - start));
        if (!line.empty()) {
            table.lineStart.push_back(static_cast<std::uint32_t>(table.text.size()));
            table.text += line + '\n';
        }
        start = end + 1;
    }
    std::stable_sort(table.lineStart.begin(), table.lineStart.end(), [&](std::uint32_t a, std::uint32_t b) {
        return previousOf(lineAt(table, a)) < previousOf(lineAt(table, b));
    });
    return table;
}

PairTable loadPairTable(const std::filesystem::path& file)
{
    bool readable = false;
    const std::string text = readWholeFile(file, readable);
    return readable ? parsePairTable(text) : PairTable{};
}

std::vector<std::string_view> followersOf(const PairTable& table, const std::string& previous)
{
    std::vector<std::string_view> followers;
    const auto found = std::lower_bound(
        table.lineStart.begin(), table.lineStart.end(), previous,
        [&](std::uint32_t start, const std::string& key) { return previousOf(lineAt(table, start)) < key; });
    if (found == table.lineStart.end())
        return followers;
    const std::string_view line = lineAt(table, *found);
    if (previousOf(line) != previous)
        return followers;
    for (size_t start = previous.size(); start < line.size();) {
        const size_t from = line.find_first_not_of(' ', start);
        if (from == std::string_view::npos)
            break;
        const size_t to = std::min(line.find(' ', from), line.size());
        followers.push_back(line.substr(from, to - from));
        start = to;
    }
    return followers;
}
