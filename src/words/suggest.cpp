// Ranking the words that start with the typed letters.
#include "words/suggest.h"

#include <algorithm>
#include <climits>

#include "words/folding.h"

namespace {

constexpr int learnedOnly = INT_MAX;
// A word not in the list is offered once it has been typed this often.
constexpr int usesToOffer = 2;

struct Candidate {
    int uses;
    int rank;
    std::string word;
};

bool moreLikely(const Candidate& a, const Candidate& b)
{
    if (a.uses != b.uses)
        return a.uses > b.uses;
    if (a.rank != b.rank)
        return a.rank < b.rank;
    return a.word < b.word;
}

// The user's words with the prefix and the best-ranked of the listed ones: enough for the cells after the
// typed text and the words that the case of the typing makes the same are left out. Only the ranks of the
// listed words with the prefix are looked at, never the whole list.
std::vector<Candidate> candidates(const WordList& list, const LearnedWords& learned,
                                  const std::string& folded, size_t wanted)
{
    std::vector<Candidate> found;
    for (auto entry = learned.byFold.lower_bound({folded, ""});
         entry != learned.byFold.end() && entry->first.compare(0, folded.size(), folded) == 0; ++entry) {
        const int uses = useCount(learned, entry->second);
        const int rank = rankOf(list, entry->second);
        if (rank >= 0 || uses >= usesToOffer)
            found.push_back({uses, rank >= 0 ? rank : learnedOnly, entry->second});
    }
    const auto [first, last] = entriesStartingWith(list, folded);
    std::vector<std::uint32_t> ranks(list.byFold.begin() + first, list.byFold.begin() + last);
    const size_t keep = std::min(ranks.size(), wanted * 2 + found.size() + 2);
    std::partial_sort(ranks.begin(), ranks.begin() + keep, ranks.end());
    for (size_t i = 0; i < keep; ++i) {
        std::string word(wordAt(list, ranks[i]));
        if (!useCount(learned, word))
            found.push_back({0, static_cast<int>(ranks[i]), std::move(word)});
    }
    std::sort(found.begin(), found.end(), moreLikely);
    return found;
}

bool startsWith(const std::string& folded, const std::string& prefix)
{
    return folded.compare(0, prefix.size(), prefix) == 0;
}

// The user's own followers of the previous word that start with the typed letters, the most used first.
std::vector<Candidate> followers(const WordList& list, const LearnedWords& learned,
                                 const std::string& previous, const std::string& folded)
{
    std::vector<Candidate> found;
    const auto pairs = learned.pairs.find(previous);
    if (pairs == learned.pairs.end())
        return found;
    for (const auto& [next, uses] : pairs->second) {
        const int rank = rankOf(list, next);
        if (startsWith(foldWord(next), folded) && (rank >= 0 || useCount(learned, next) >= usesToOffer))
            found.push_back({uses, rank >= 0 ? rank : learnedOnly, next});
    }
    std::sort(found.begin(), found.end(), moreLikely);
    return found;
}

} // namespace

std::vector<std::string> suggestWords(const WordList& list, const LearnedWords& learned,
                                      const std::string& typed, size_t wanted)
{
    return suggestWords(list, learned, PairTable{}, "", typed, wanted);
}

std::vector<std::string> suggestWords(const WordList& list, const LearnedWords& learned,
                                      const PairTable& pairs, const std::string& previous,
                                      const std::string& typed, size_t wanted)
{
    std::vector<std::string> offered;
    if (!validUtf8(typed) || (typed.empty() && previous.empty()))
        return offered;
    const std::string folded = foldWord(typed);
    const TypedCase typedCase = !typed.empty()              ? caseOfTyped(typed)
                                : previous == sentenceStart ? TypedCase::capitalised
                                                            : TypedCase::asListed;
    const auto offer = [&](const std::string& candidate) {
        const std::string word = withCase(candidate, typedCase);
        if (word != typed && std::find(offered.begin(), offered.end(), word) == offered.end())
            offered.push_back(word);
        return offered.size() == wanted;
    };
    const std::string key = previousKey(previous);
    for (const Candidate& candidate : followers(list, learned, key, folded))
        if (offer(candidate.word))
            return offered;
    for (std::string_view follower : followersOf(pairs, key))
        if (startsWith(foldWord(std::string(follower)), folded) && offer(std::string(follower)))
            return offered;
    if (typed.empty())
        return offered;
    for (const Candidate& candidate : candidates(list, learned, folded, wanted))
        if (offer(candidate.word))
            return offered;
    return offered;
}

Completion completionOf(const std::string& typed, const std::string& word)
{
    if (word.compare(0, typed.size(), typed) == 0)
        return {0, word.substr(typed.size())};
    return {decodeUtf8(typed).size(), word};
}
