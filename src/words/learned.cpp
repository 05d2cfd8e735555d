// Counting the words and pairs the user types and keeping the counts in a file that a crash, a sign-out or
// a momentary read failure cannot lose.
#include "words/learned.h"

#include <climits>
#include <fstream>
#include <sstream>
#include <vector>

#include "words/folding.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr const char byteOrderMark[] = "\xEF\xBB\xBF";

bool moveFile(const std::filesystem::path& from, const std::filesystem::path& to, bool replacing)
{
#ifdef _WIN32
    return MoveFileExW(from.c_str(), to.c_str(),
                       (replacing ? MOVEFILE_REPLACE_EXISTING : 0) | MOVEFILE_WRITE_THROUGH);
#else
    std::error_code failed;
    if (!replacing && std::filesystem::exists(to, failed))
        return false;
    std::filesystem::rename(from, to, failed);
    return !failed;
#endif
}

// Under a name of its own that no earlier file kept aside has.
bool keepAside(const std::filesystem::path& file)
{
    std::error_code failed;
    if (!std::filesystem::exists(file, failed))
        return !failed;
    for (int number = 1; number <= 99; ++number) {
        std::filesystem::path aside = file;
        aside += number == 1 ? ".bad" : ".bad" + std::to_string(number);
        if (moveFile(file, aside, false))
            return true;
    }
    return false;
}

// On the disk before it returns true, so that the rename never puts an empty file in place.
bool writeFlushed(const std::filesystem::path& file, const std::string& text)
{
#ifdef _WIN32
    const HANDLE out =
        CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole = WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                       written == text.size() && FlushFileBuffers(out);
    CloseHandle(out);
    return whole;
#else
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    return static_cast<bool>(out);
#endif
}

void add(int& total, int uses)
{
    total = total > INT_MAX - uses ? INT_MAX : total + uses;
}

void count(LearnedWords& learned, const std::string& word, int uses)
{
    add(learned.counts[word], uses);
    learned.byFold.emplace(foldWord(word), word);
}

std::string inSmallLetters(const std::string& word)
{
    std::u32string small = decodeUtf8(word);
    for (char32_t& c : small)
        c = lowerOf(c);
    return encodeUtf8(small);
}

std::string countedForm(const LearnedWords& learned, const WordList& list, const std::string& typed)
{
    const std::string lower = inSmallLetters(typed);
    if (lower == typed || caseOfTyped(typed) != TypedCase::capitalised)
        return typed;
    return rankOf(list, lower) >= 0 || learned.counts.count(lower) ? lower : typed;
}

// A count as written: 1 to INT_MAX, the most a count reaches.
int countIn(const std::string& number)
{
    if (number.empty() || number.size() > 10 || number.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const long long count = std::stoll(number);
    return count <= INT_MAX ? static_cast<int>(count) : 0;
}

// UTF-16 text, or anything with a NUL, is no file of ours whatever its lines look like.
bool foreignText(const std::string& text)
{
    return text.find('\0') != std::string::npos || text.compare(0, 2, "\xFF\xFE") == 0 ||
           text.compare(0, 2, "\xFE\xFF") == 0;
}

std::vector<std::string> fieldsOf(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream words(line);
    std::string field;
    while (words >> field)
        fields.push_back(field);
    return fields;
}

bool takeLine(const std::string& line, LearnedWords& learned)
{
    if (!validUtf8(line))
        return false;
    const std::vector<std::string> fields = fieldsOf(line);
    const int uses = fields.empty() ? 0 : countIn(fields.back());
    if (fields.size() == 2 && uses && isWord(fields[0])) {
        count(learned, fields[0], uses);
        return true;
    }
    const bool previousIsWord = fields.size() == 3 && (fields[0] == sentenceStart || isWord(fields[0]));
    if (previousIsWord && uses && isWord(fields[1]) && previousKey(fields[0]) == fields[0]) {
        add(learned.pairs[fields[0]][fields[1]], uses);
        return true;
    }
    return false;
}

} // namespace

std::string previousKey(const std::string& previous)
{
    return previous == sentenceStart ? previous : inSmallLetters(previous);
}

void learnWord(LearnedWords& learned, const WordList& list, const std::string& typed,
               const std::string& previous)
{
    if (!isWord(typed))
        return;
    const std::string word = countedForm(learned, list, typed);
    count(learned, word, 1);
    if (previous == sentenceStart || isWord(previous))
        add(learned.pairs[previousKey(previous)][word], 1);
    learned.changed = true;
}

void unlearnWord(LearnedWords& learned, const WordList& list, const std::string& typed,
                 const std::string& previous)
{
    if (!isWord(typed))
        return;
    const std::string word = countedForm(learned, list, typed);
    const auto counted = learned.counts.find(word);
    if (counted != learned.counts.end() && --counted->second <= 0) {
        learned.counts.erase(counted);
        learned.byFold.erase({foldWord(word), word});
    }
    const auto followers = learned.pairs.find(previousKey(previous));
    if (followers != learned.pairs.end()) {
        const auto pair = followers->second.find(word);
        if (pair != followers->second.end() && --pair->second <= 0)
            followers->second.erase(pair);
        if (followers->second.empty())
            learned.pairs.erase(followers);
    }
    learned.changed = true;
}

int useCount(const LearnedWords& learned, const std::string& word)
{
    const auto found = learned.counts.find(word);
    return found == learned.counts.end() ? 0 : found->second;
}

void mergeLearned(LearnedWords& into, const LearnedWords& from)
{
    for (const auto& [word, uses] : from.counts)
        count(into, word, uses);
    for (const auto& [previous, followers] : from.pairs)
        for (const auto& [next, uses] : followers)
            add(into.pairs[previous][next], uses);
    into.unknownLines.insert(into.unknownLines.end(), from.unknownLines.begin(), from.unknownLines.end());
    into.changed = into.changed || from.changed;
}

int parseLearned(const std::string& text, LearnedWords& learned)
{
    learned = LearnedWords{};
    std::istringstream lines(text.compare(0, 3, byteOrderMark) == 0 ? text.substr(3) : text);
    std::string line;
    int passedOver = 0;
    while (std::getline(lines, line))
        if (line.find_first_not_of(" \t\r") != std::string::npos && !takeLine(line, learned)) {
            ++passedOver;
            learned.unknownLines.push_back(line);
        }
    learned.keepFileAside = foreignText(text);
    if (learned.keepFileAside)
        learned.unknownLines.clear();
    return passedOver;
}

std::string learnedText(const LearnedWords& learned)
{
    std::string text;
    for (const auto& [word, uses] : learned.counts)
        text += word + ' ' + std::to_string(uses) + '\n';
    for (const auto& [previous, followers] : learned.pairs)
        for (const auto& [next, uses] : followers)
            text += previous + ' ' + next + ' ' + std::to_string(uses) + '\n';
    for (const std::string& line : learned.unknownLines)
        text += line + '\n';
    return text;
}

LearnedFile loadLearned(const std::filesystem::path& file, LearnedWords& learned)
{
    learned = LearnedWords{};
    std::error_code failed;
    if (!std::filesystem::exists(file, failed))
        return failed ? LearnedFile::unreadable : LearnedFile::missing;
    bool readable = false;
    const std::string text = readWholeFile(file, readable);
    if (!readable)
        return LearnedFile::unreadable;
    parseLearned(text, learned);
    return LearnedFile::loaded;
}

bool saveLearned(const std::filesystem::path& file, LearnedWords& learned)
{
    std::filesystem::path temporary = file;
    temporary += ".new";
    std::error_code failed;
    std::filesystem::create_directories(file.parent_path(), failed);
    if (learned.keepFileAside && !keepAside(file))
        return false;
    learned.keepFileAside = false;
    if (!writeFlushed(temporary, learnedText(learned)) || !moveFile(temporary, file, true))
        return false;
    learned.changed = false;
    return true;
}
