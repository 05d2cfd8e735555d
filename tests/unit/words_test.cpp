// The suggestion logic: folding, the case of offered words, ranking with and without the previous word,
// completion and the learned file.
#include <gtest/gtest.h>

#include <windows.h>

#include <climits>
#include <fstream>

#include "words/folding.h"
#include "words/suggest.h"

namespace {

using Words = std::vector<std::string>;

TEST(WordFolding, ComparesWithoutCaseOrAccents)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Très", "tres"},   {"STRAßE", "strasse"}, {"ŁÓDŹ", "lodz"},   {"Œuvre", "oeuvre"},
        {"naïve", "naive"}, {"Ţară", "tara"},      {"ȘTIU", "stiu"},   {"İstanbul", "istanbul"},
        {"Ærø", "aero"},    {"Þór", "thor"},       {"don't", "don't"},
    };
    for (const auto& [word, folded] : cases)
        EXPECT_EQ(foldWord(word), folded) << word;
}

TEST(WordCase, OfferedWordsFollowTheTyping)
{
    struct Case {
        const char* typed;
        const char* word;
        const char* offered;
    };
    const Case cases[] = {
        {"th", "the", "the"},    {"Th", "the", "The"},     {"TH", "the", "THE"},
        {"tH", "the", "the"},    {"h", "Haus", "Haus"},    {"e", "école", "école"},
        {"E", "école", "École"}, {"EC", "école", "ÉCOLE"}, {"ST", "straße", "STRAßE"},
        {"Ł", "łódź", "Łódź"},   {"ZA", "żółw", "ŻÓŁW"},   {"Y", "ÿes", "Ÿes"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(withCase(c.word, caseOfTyped(c.typed)), c.offered) << c.typed << " " << c.word;
}

class Suggestions : public ::testing::Test {
protected:
    Words offered(const std::string& typed)
    {
        return suggestWords(list, learned, typed);
    }
    void use(const std::string& word, int times)
    {
        for (int i = 0; i < times; ++i)
            learnWord(learned, list, word);
    }

    WordList list = parseWordList("the\nthat\nthis\nthey\nthere\nthem\nthen\nx\nxylophone\ntrès\nwhich\n");
    LearnedWords learned;
};

TEST_F(Suggestions, RankTheUsersWordsFirstThenTheList)
{
    EXPECT_EQ(offered("th"), (Words{"the", "that", "this", "they"}));
    EXPECT_EQ(offered("the"), (Words{"they", "there", "them", "then"})) << "never the typed text itself";
    use("them", 3);
    use("this", 1);
    EXPECT_EQ(offered("th"), (Words{"them", "this", "the", "that"}));
    EXPECT_EQ(offered("x"), (Words{"xylophone"}));
    EXPECT_EQ(offered("q"), (Words{}));
}

TEST_F(Suggestions, AWordNotInTheListIsOfferedOnceTypedTwice)
{
    use("thx", 1);
    EXPECT_EQ(offered("th"), (Words{"the", "that", "this", "they"}));
    use("thx", 1);
    EXPECT_EQ(offered("th"), (Words{"thx", "the", "that", "this"}));
    use("th3", 2);
    use("thaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", 2);
    EXPECT_EQ(learned.counts.size(), 1u) << "words with digits or longer than 32 characters are not learned";
}

TEST_F(Suggestions, AWordThatBeganASentenceIsCountedInSmallLetters)
{
    use("Which", 1);
    use("Thx", 2);
    EXPECT_EQ(useCount(learned, "which"), 1);
    EXPECT_EQ(useCount(learned, "Thx"), 2) << "unknown in small letters: kept as typed";
}

// A stroke's word that the user replaced from the strip is taken back: the word and its pair.
TEST_F(Suggestions, AWordTakenBackLosesOneUseAndItsPairAndGoesAtNone)
{
    learnWord(learned, list, "thx", "the");
    learnWord(learned, list, "Thx", ".");
    unlearnWord(learned, list, "thx", "the");
    EXPECT_EQ(useCount(learned, "thx"), 1);
    EXPECT_EQ(learnedText(learned), "thx 1\n. thx 1\n");
    unlearnWord(learned, list, "Thx", ".");
    EXPECT_EQ(learnedText(learned), "");
    EXPECT_TRUE(learned.byFold.empty()) << "no longer found by its start";
}

TEST_F(Suggestions, AccentsAndCaseAreIgnoredInTheComparison)
{
    EXPECT_EQ(offered("tres"), (Words{"très"}));
    EXPECT_EQ(offered("Tres"), (Words{"Très"}));
    EXPECT_EQ(offered("TRÈ"), (Words{"TRÈS"}));
    EXPECT_EQ(offered("Th"), (Words{"The", "That", "This", "They"}));
}

TEST_F(Suggestions, TheFollowersOfThePreviousWordComeFirstTheUsersPairsBeforeTheTable)
{
    const PairTable pairs = parsePairTable("then they which\n. there that\nthe xylophone which\n");
    learnWord(learned, list, "them", "then");
    struct Case {
        const char* previous;
        const char* typed;
        Words offered;
    };
    const Case cases[] = {
        {"then", "", {"them", "they", "which"}},
        {"Then", "th", {"them", "they", "the", "that"}},
        {"then", "w", {"which"}},
        {".", "", {"There", "That"}},
        {".", "th", {"there", "that", "them", "the"}},
        {"", "", {}},
        {"xylophone", "", {}},
        {"the", "x", {"xylophone"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(suggestWords(list, learned, pairs, c.previous, c.typed), c.offered)
            << c.previous << " | " << c.typed;
    use("zyx", 1);
    learnWord(learned, list, "zyx", "then");
    EXPECT_EQ(suggestWords(list, learned, pairs, "then", "")[0], "them")
        << "an unlisted word only once used twice";
    learnWord(learned, list, "zyx", "then");
    learnWord(learned, list, "zyx", "then");
    EXPECT_EQ(suggestWords(list, learned, pairs, "then", "")[0], "zyx") << "the pair used most first";

    const PairTable damaged = parsePairTable("then th3y \xC0\xAF which " + std::string(33, 'q') +
                                             " they\r\n9ers they\n\xFF there\n");
    const auto followers = followersOf(damaged, "then");
    EXPECT_EQ(std::vector<std::string>(followers.begin(), followers.end()), (Words{"which", "they"}))
        << "what is no word is never offered";
    EXPECT_EQ(damaged.lineStart.size(), 1u);
}

TEST(Completion, TypesTheRestOrReplacesWhatDiffersFromTheWordsStart)
{
    EXPECT_EQ(completionOf("th", "there").backs, 0u);
    EXPECT_EQ(completionOf("th", "there").text, "ere");
    EXPECT_EQ(completionOf("Tr", "Très").text, "ès");
    EXPECT_EQ(completionOf("tres", "très").backs, 4u);
    EXPECT_EQ(completionOf("tres", "très").text, "très");
    EXPECT_EQ(completionOf("łó", "Łódź").backs, 2u) << "characters, not bytes";
}

TEST(WordListFile, PassesOverLinesThatHoldNoWordAndRefusesATextThatIsNotUtf8)
{
    const WordList list = parseWordList("the\r\n  of \n\nR2D2\ntwo words\n'quoted'\ncafé\n");
    ASSERT_EQ(wordCount(list), 3u);
    EXPECT_EQ(wordAt(list, 0), "the");
    EXPECT_EQ(wordAt(list, 1), "of");
    EXPECT_EQ(wordAt(list, 2), "café");
    EXPECT_EQ(rankOf(list, "café"), 2);
    EXPECT_EQ(rankOf(list, "cafe"), -1);
    EXPECT_EQ(wordCount(parseWordList("the\nbad \xC3\x28 byte\n")), 0u);
    EXPECT_EQ(wordCount(parseWordList("over\nlong \xC0\xAF\n")), 0u);
    EXPECT_EQ(wordCount(loadWordList("no such folder\\en.txt")), 0u);
}

class LearnedFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() / "tilfay-words-test";
        std::filesystem::remove_all(folder);
        file = folder / "Tilfay" / "Words-en.txt";
    }
    void TearDown() override
    {
        std::filesystem::remove_all(folder);
    }
    static void write(const std::filesystem::path& path, const std::string& text)
    {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

    std::filesystem::path folder;
    std::filesystem::path file;
};

TEST_F(LearnedFileOnDisk, RoundTripsThroughATemporaryFileAndARename)
{
    LearnedWords learned;
    const WordList list = parseWordList("the\n");
    for (const char* word : {"the", "naïve", "The", "don't", "the"})
        learnWord(learned, list, word);
    ASSERT_TRUE(saveLearned(file, learned));
    EXPECT_FALSE(learned.changed);
    bool readable = false;
    EXPECT_EQ(readWholeFile(file, readable), "don't 1\nnaïve 1\nthe 3\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "Tilfay" / "Words-en.txt.new"));
    learnWord(learned, list, "the");
    ASSERT_TRUE(saveLearned(file, learned)) << "an existing file is replaced";
    LearnedWords loaded;
    EXPECT_EQ(loadLearned(file, loaded), LearnedFile::loaded);
    EXPECT_EQ(loaded.counts, learned.counts);
    EXPECT_EQ(useCount(loaded, "the"), 4);
    EXPECT_EQ(suggestWords(parseWordList(""), loaded, "na"), (Words{}))
        << "a word outside the list is offered only after two uses";
    learnWord(learned, list, "naïve", "the");
    ASSERT_TRUE(saveLearned(file, learned));
    EXPECT_EQ(readWholeFile(file, readable), "don't 1\nnaïve 2\nthe 4\nthe naïve 1\n")
        << "pairs after the words";
}

// Lines this version does not take are written back; a file of another encoding is kept whole beside.
TEST_F(LearnedFileOnDisk, ASaveNeverLosesALineItDoesNotTake)
{
    const std::string utf16("\xFF\xFEt\0h\0e\0 \0005\0\r\0\n\0", 16);
    const struct {
        std::string text;
        const char* saved;
        const char* aside;
    } cases[] = {
        {"the 3\nthe big cat 4 x\nof 99999999999\n", "the 4\nthe big cat 4 x\nof 99999999999\n", nullptr},
        {"the 2147483647\n", "the 2147483647\n", nullptr},
        {utf16, "the 1\n", ".bad"},
        {utf16, "the 1\n", ".bad2"},
    };
    const WordList list = parseWordList("the\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.saved);
        write(file, c.text);
        LearnedWords learned;
        ASSERT_EQ(loadLearned(file, learned), LearnedFile::loaded);
        learnWord(learned, list, "the");
        ASSERT_TRUE(saveLearned(file, learned));
        bool readable = false;
        EXPECT_EQ(readWholeFile(file, readable), c.saved);
        if (c.aside) {
            EXPECT_EQ(readWholeFile(file.string() + c.aside, readable), c.text) << "kept whole";
        }
    }
}

TEST_F(LearnedFileOnDisk, ABadLineIsPassedOverAndAnUnreadableFileIsLeftAsItIs)
{
    using Counts = std::map<std::string, int>;
    struct Case {
        const char* text;
        Counts counts;
        std::map<std::string, Counts> pairs;
    };
    const Case cases[] = {
        {"the 3\ngarbage\nof 2\n", {{"the", 3}, {"of", 2}}, {}},
        {"the 3\nof -1\nthe 0\n", {{"the", 3}}, {}},
        {"the 99999999999\na 1\n", {{"a", 1}}, {}},
        {"the 3\n\xFF\xFE 2\n", {{"the", 3}}, {}},
        {"\xEF\xBB\xBFthe 3\r\n\r\nnaïve 12\n", {{"the", 3}, {"naïve", 12}}, {}},
        {"of the 4\n. The 2\nOf the 1\nof 1 2\nof the big 1\n",
         {},
         {{"of", {{"the", 4}}}, {".", {{"The", 2}}}}},
        {"the 999999999\nthe 999999999\nthe 999999999\n", {{"the", INT_MAX}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        write(file, c.text);
        LearnedWords learned;
        EXPECT_EQ(loadLearned(file, learned), LearnedFile::loaded);
        EXPECT_EQ(learned.counts, c.counts);
        EXPECT_EQ(learned.pairs, c.pairs);
    }
    LearnedWords learned;
    learned.counts["the"] = INT_MAX;
    mergeLearned(learned, learned);
    EXPECT_EQ(useCount(learned, "the"), INT_MAX) << "counts stop at the largest int";

    const HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(loadLearned(file, learned), LearnedFile::unreadable) << "held open by another program";
    CloseHandle(held);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(file);
    EXPECT_EQ(loadLearned(file, learned), LearnedFile::unreadable) << "a folder in its place";
    std::filesystem::remove_all(folder);
    EXPECT_EQ(loadLearned(file, learned), LearnedFile::missing);
}

} // namespace
