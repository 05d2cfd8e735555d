// Counting the words the user types and keeping the counts in a file that a crash cannot leave half-written.
#include "words/learned.h"

#include <fstream>
#include <sstream>

#include "words/folding.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
#ifdef _WIN32
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
    std::error_code failed;
    std::filesystem::rename(from, to, failed);
    return !failed;
#endif
}

void count(LearnedWords& learned, const std::string& word, int uses)
{
    learned.counts[word] += uses;
    learned.byFold.emplace(foldWord(word), word);
}

std::string countedForm(const LearnedWords& learned, const WordList& list, const std::string& typed)
{
    std::u32string small = decodeUtf8(typed);
    for (char32_t& c : small)
        c = lowerOf(c);
    const std::string lower = encodeUtf8(small);
    if (lower == typed || caseOfTyped(typed) != TypedCase::capitalised)
        return typed;
    return rankOf(list, lower) >= 0 || learned.counts.count(lower) ? lower : typed;
}

} // namespace

void learnWord(LearnedWords& learned, const WordList& list, const std::string& typed)
{
    if (!isWord(typed))
        return;
    count(learned, countedForm(learned, list, typed), 1);
    learned.changed = true;
}

int useCount(const LearnedWords& learned, const std::string& word)
{
    const auto found = learned.counts.find(word);
    return found == learned.counts.end() ? 0 : found->second;
}

bool parseLearned(const std::string& text, LearnedWords& learned)
{
    learned = LearnedWords{};
    if (!validUtf8(text))
        return false;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const size_t blank = line.rfind(' ');
        const std::string word = line.substr(0, blank);
        const std::string number = blank == std::string::npos ? "" : line.substr(blank + 1);
        if (!isWord(word) || number.empty() || number.size() > 9 ||
            number.find_first_not_of("0123456789") != std::string::npos || std::stoi(number) == 0) {
            learned = LearnedWords{};
            return false;
        }
        count(learned, word, std::stoi(number));
    }
    return true;
}

std::string learnedText(const LearnedWords& learned)
{
    std::string text;
    for (const auto& [word, uses] : learned.counts)
        text += word + ' ' + std::to_string(uses) + '\n';
    return text;
}

LearnedFile loadLearned(const std::filesystem::path& file, LearnedWords& learned)
{
    learned = LearnedWords{};
    std::error_code failed;
    if (!std::filesystem::exists(file, failed))
        return LearnedFile::missing;
    bool readable = false;
    const std::string text = readWholeFile(file, readable);
    if (readable && parseLearned(text, learned))
        return LearnedFile::loaded;
    std::filesystem::path aside = file;
    aside += ".bad";
    replaceFile(file, aside);
    return LearnedFile::setAside;
}

bool saveLearned(const std::filesystem::path& file, LearnedWords& learned)
{
    std::filesystem::path temporary = file;
    temporary += ".new";
    std::error_code failed;
    std::filesystem::create_directories(file.parent_path(), failed);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << learnedText(learned);
        out.flush();
        if (!out)
            return false;
    }
    if (!replaceFile(temporary, file))
        return false;
    learned.changed = false;
    return true;
}
