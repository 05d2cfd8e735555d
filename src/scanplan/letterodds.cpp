// The likely next letters: each word with the typed start weighs by its rank in the list (a word of rank r
// weighs about 1/r, as word frequencies fall), by the user's own use, and by how often it followed the
// previous word; a letter's odds are the weight of the words it continues.
#include "scanplan/letterodds.h"

#include <algorithm>
#include <string_view>

#include "words/folding.h"

namespace {

// Tuned on the keyboard's own example text: the weight of a word of rank r is 1 / (r + rankOffset).
constexpr double rankOffset = 10;
// A use of the user's own counts as much as a word this high in the list.
constexpr double learnedUseWeight = 1.0 / 200;
// The share of the odds that the followers of the previous word take, where it has any.
constexpr double followerShare = 0.5;

struct Odds {
    std::array<double, alphabetSize> letters{};
    double total = 0;
};

void addWord(Odds& odds, std::string_view folded, size_t typedLength, double weight)
{
    odds.total += weight;
    if (folded.size() > typedLength && folded[typedLength] >= 'a' && folded[typedLength] <= 'z')
        odds.letters[folded[typedLength] - 'a'] += weight;
}

double rankWeight(size_t rank)
{
    return 1.0 / (static_cast<double>(rank) + rankOffset);
}

// Every word of the list weighed for an empty start: the one long sum, kept for the list last asked.
const Odds& wholeListOdds(const WordList& list)
{
    static const WordList* counted;
    static size_t countedWords;
    static Odds odds;
    if (counted != &list || countedWords != wordCount(list)) {
        odds = Odds{};
        for (size_t rank = 0; rank < wordCount(list); ++rank)
            addWord(odds, foldedAt(list, rank), 0, rankWeight(rank));
        counted = &list;
        countedWords = wordCount(list);
    }
    return odds;
}

bool startsWith(std::string_view word, std::string_view start)
{
    return word.substr(0, start.size()) == start;
}

// The list and the user's words with the folded start, each word's weight in the same unit.
Odds wordOdds(const WordContext& words, const std::string& start)
{
    if (start.empty())
        return wholeListOdds(*words.list);
    Odds odds;
    const auto [first, last] = entriesStartingWith(*words.list, start);
    for (size_t i = first; i < last; ++i)
        addWord(odds, foldedAt(*words.list, words.list->byFold[i]), start.size(),
                rankWeight(words.list->byFold[i]));
    const auto& learned = words.learned->byFold;
    for (auto it = learned.lower_bound({start, ""}); it != learned.end() && startsWith(it->first, start);
         ++it)
        addWord(odds, it->first, start.size(), learnedUseWeight * useCount(*words.learned, it->second));
    return odds;
}

// The followers of the previous word with the folded start: the user's own pairs by their counts, the
// table's by their place in its line.
Odds followerOdds(const WordContext& words, const std::string& start)
{
    Odds odds;
    if (words.previous.empty())
        return odds;
    const std::string key = previousKey(words.previous);
    const auto own = words.learned->pairs.find(key);
    if (own != words.learned->pairs.end())
        for (const auto& [word, count] : own->second)
            if (const std::string folded = foldWord(word); startsWith(folded, start))
                addWord(odds, folded, start.size(), static_cast<double>(count));
    const std::vector<std::string_view> followers = followersOf(*words.pairs, key);
    for (size_t place = 0; place < followers.size(); ++place)
        if (const std::string folded = foldWord(std::string(followers[place])); startsWith(folded, start))
            addWord(odds, folded, start.size(), 1.0 / static_cast<double>(place + 1));
    return odds;
}

// The two kinds of odds mixed: each is scaled to its share of all words, whatever their start.
Odds mixedOdds(const WordContext& words, const std::string& start)
{
    const Odds listed = wordOdds(words, start);
    const Odds followed = followerOdds(words, start);
    const double listScale = 1.0 / wholeListOdds(*words.list).total;
    const Odds allFollowers = start.empty() ? followed : followerOdds(words, "");
    const double followerScale = allFollowers.total > 0 ? followerShare / allFollowers.total : 0;
    const double ownScale = allFollowers.total > 0 ? 1 - followerShare : 1;
    Odds mixed;
    for (int letter = 0; letter < alphabetSize; ++letter)
        mixed.letters[letter] =
            ownScale * listScale * listed.letters[letter] + followerScale * followed.letters[letter];
    mixed.total = ownScale * listScale * listed.total + followerScale * followed.total;
    return mixed;
}

} // namespace

std::array<double, alphabetSize> nextLetterOdds(const WordContext& words)
{
    if (!words.list || wordCount(*words.list) == 0)
        return {};
    return mixedOdds(words, foldWord(words.typed)).letters;
}

// A word's own weight is the odds of its start that no longer word continues: the total of its folded form
// less the words that go on from it.
double oddsOfOffered(const WordContext& words, const std::vector<std::string>& offered)
{
    if (!words.list || wordCount(*words.list) == 0 || offered.empty())
        return 0;
    const Odds all = mixedOdds(words, foldWord(words.typed));
    if (all.total <= 0)
        return 0;
    double held = 0;
    for (const std::string& word : offered) {
        const Odds its = mixedOdds(words, foldWord(word));
        double goesOn = 0;
        for (double letter : its.letters)
            goesOn += letter;
        held += its.total - goesOn;
    }
    return std::min(1.0, held / all.total);
}
