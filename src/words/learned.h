// The user's own use of words: how often each word was typed in full, how often one word followed another,
// and the file that keeps the counts.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "words/wordlist.h"

// The previous "word" at the start of a sentence.
constexpr const char* sentenceStart = ".";

struct LearnedWords {
    std::map<std::string, int> counts;
    // (folded form, word) of every counted word, for finding them by their start.
    std::set<std::pair<std::string, std::string>> byFold;
    // Previous word (in small letters, or sentenceStart) -> the word that followed it -> uses.
    std::map<std::string, std::map<std::string, int>> pairs;
    // Counted since the last save.
    bool changed = false;
    // Lines of the file that this version does not take (a newer format, a count beyond its range), written
    // back as they were, so that a save never drops them.
    std::vector<std::string> unknownLines;
    // The file read was no text of ours (UTF-16, binary): the next save keeps it whole beside the new one.
    bool keepFileAside = false;
};

// Counts one use of a word typed in full. A word with only its first letter capital is counted in small
// letters when the list or the counts know it so (it began a sentence). Words with digits or longer than
// 32 characters are not counted. With a previous word (or sentenceStart), the pair is counted too.
void learnWord(LearnedWords& learned, const WordList& list, const std::string& typed,
               const std::string& previous = "");
// Takes back one use of a word and its pair, as learnWord counted them: a stroke's word that the user
// replaced.
void unlearnWord(LearnedWords& learned, const WordList& list, const std::string& typed,
                 const std::string& previous);
int useCount(const LearnedWords& learned, const std::string& word);
// The key a previous word is looked up by: small letters, or sentenceStart.
std::string previousKey(const std::string& previous);
// Adds the counts and unknown lines of one to the other; counts stop at INT_MAX.
void mergeLearned(LearnedWords& into, const LearnedWords& from);

// UTF-8, a byte-order mark allowed; one "word count" or "previous next count" a line, a count from 1 to
// 2,147,483,647. Lines not of that form are kept in unknownLines; a text with a NUL or a UTF-16 byte-order
// mark is taken as none of ours and marked keepFileAside. Returns the number of lines passed over.
int parseLearned(const std::string& text, LearnedWords& learned);
// The counts and pairs, then the unknown lines as they were.
std::string learnedText(const LearnedWords& learned);

// unreadable: the file stands but could not be read (held open, a scan); it is left as it is and must be
// read again before any save.
enum class LearnedFile { missing, loaded, unreadable };
LearnedFile loadLearned(const std::filesystem::path& file, LearnedWords& learned);
// Through a temporary file beside it, flushed to the disk, and a rename, so that the file is whole or as
// it was. A file to keep aside is first renamed to end in ".bad" (".bad2" and on where that name is taken).
bool saveLearned(const std::filesystem::path& file, LearnedWords& learned);
