// The user's own use of words: how often each word was typed in full, and the file that keeps the counts.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "words/wordlist.h"

struct LearnedWords {
    std::map<std::string, int> counts;
    // (folded form, word) of every counted word, for finding them by their start.
    std::set<std::pair<std::string, std::string>> byFold;
    // Counted since the last save.
    bool changed = false;
};

// Counts one use of a word typed in full. A word with only its first letter capital is counted in small
// letters when the list or the counts know it so (it began a sentence). Words with digits or longer than
// 32 characters are not counted.
void learnWord(LearnedWords& learned, const WordList& list, const std::string& typed);
int useCount(const LearnedWords& learned, const std::string& word);

// One "word count" a line, UTF-8. False when a line is not of that form: the text is not trusted.
bool parseLearned(const std::string& text, LearnedWords& learned);
std::string learnedText(const LearnedWords& learned);

enum class LearnedFile { missing, loaded, setAside };
// An unreadable or malformed file is renamed to end in ".bad" and the counts start empty.
LearnedFile loadLearned(const std::filesystem::path& file, LearnedWords& learned);
// Through a temporary file beside it and a rename, so that the file is whole or as it was.
bool saveLearned(const std::filesystem::path& file, LearnedWords& learned);
