// Loading the pair table and finding a word's followers with a binary search of its lines.
#include "words/pairs.h"

#include <algorithm>

#include "words/wordlist.h"

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

} // namespace

PairTable parsePairTable(std::string text)
{
    PairTable table;
    table.text = std::move(text);
    for (size_t start = 0; start < table.text.size();) {
        const size_t end = table.text.find('\n', start);
        if (table.text.compare(start, 1, "\n") != 0 && table.text.compare(start, 1, " ") != 0)
            table.lineStart.push_back(static_cast<std::uint32_t>(start));
        start = end == std::string::npos ? table.text.size() : end + 1;
    }
    std::stable_sort(table.lineStart.begin(), table.lineStart.end(), [&](std::uint32_t a, std::uint32_t b) {
        return previousOf(lineAt(table, a)) < previousOf(lineAt(table, b));
    });
    return table;
}

PairTable loadPairTable(const std::filesystem::path& file)
{
    bool readable = false;
    std::string text = readWholeFile(file, readable);
    return readable ? parsePairTable(std::move(text)) : PairTable{};
}

std::vector<std::string_view> followersOf(const PairTable& table, const std::string& previous)
{
    std::vector<std::string_view> followers;
    const auto found = std::lower_bound(
        table.lineStart.begin(), table.lineStart.end(), previous,
        [&](std::uint32_t start, const std::string& key) { return previousOf(lineAt(table, start)) < key; });
    if (found == table.lineStart.end())
        return followers;
    std::string_view line = lineAt(table, *found);
    if (previousOf(line) != previous)
        return followers;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
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
