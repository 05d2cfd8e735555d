// A stroke's words: the candidates whose paths start and end near the stroke's ends, each scored by the
// distance of its ideal path from the stroke, point by point, as shapes and as places on the keys, and by
// its likelihood after the previous word.
#include "strokes/decoder.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "words/folding.h"

namespace {

constexpr size_t samples = 32;
constexpr int letterCount = 26;
constexpr std::uint32_t learnedOnly = UINT32_MAX;

struct Tuning {
    // A word's first and last keys stand within this many key sizes of the stroke's ends.
    float endRadius;
    // How far, in key widths, the stroke typically strays from a word's path point by point and at its
    // ends, and the normalised shapes from each other.
    float placeSpread;
    float endSpread;
    float shapeSpread;
    // The weight of the word's likelihood against the stroke's fit.
    float likelihoodWeight;
    // The shares of the likelihood: the pair table, the user's own pairs, the user's words, the list's rank.
    float tableShare;
    float learnedPairShare;
    float learnedShare;
    float rankShare;
    // Candidates whose mean squared distance from the stroke exceeds this, in key widths, are not weighed.
    float farthest;
};

// Chosen with make gestures on the Jargon File's chapters and three licences, never on the held-back prose.
const Tuning tuning{1.15f, 0.3f, 0.3f, 0.12f, 0.4f, 0.3f, 0.3f, 0.1f, 0.3f, 4.0f};

struct Candidate {
    float score;
    std::uint32_t rank;
    std::string_view word;
};

struct Stroke {
    PathPoint place[samples];
    PathPoint shape[samples];
};

bool isWordLetter(char c)
{
    return c >= 'a' && c <= 'z';
}

// The keys a folded word's path runs through: its letters a to z, a letter repeated at once counted once.
void appendPathLetters(std::string_view folded, std::vector<std::uint8_t>& letters)
{
    int last = -1;
    for (char c : folded) {
        if (!isWordLetter(c))
            continue;
        const int letter = c - 'a';
        if (letter != last)
            letters.push_back(static_cast<std::uint8_t>(letter));
        last = letter;
    }
}

// In key widths, so that every size of the keyboard scores alike.
Stroke strokeOf(const Path& path, const LetterKeys& keys)
{
    Stroke stroke;
    resample(path.data(), path.size(), stroke.place, samples);
    for (PathPoint& point : stroke.place)
        point = PathPoint{point.x / keys.keyWidth, point.y / keys.keyWidth};
    std::copy(std::begin(stroke.place), std::end(stroke.place), stroke.shape);
    normaliseShape(stroke.shape, samples);
    return stroke;
}

float squared(PathPoint a, PathPoint b)
{
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

float meanSquaredDistance(const PathPoint* a, const PathPoint* b)
{
    float sum = 0;
    for (size_t i = 0; i < samples; ++i)
        sum += squared(a[i], b[i]);
    return sum / samples;
}

float meanDistance(const PathPoint* a, const PathPoint* b)
{
    float sum = 0;
    for (size_t i = 0; i < samples; ++i)
        sum += std::sqrt(squared(a[i], b[i]));
    return sum / samples;
}

float spreadOut(float squaredDistance, float spread)
{
    return -squaredDistance / (2 * spread * spread);
}

// The fit of a word's path to the stroke, as a log-likelihood: where it runs, where it starts and ends, and
// its shape; false when it is too far to weigh.
bool fitOf(const std::uint8_t* letters, size_t count, const LetterKeys& keys, const Stroke& stroke,
           float& fit)
{
    PathPoint corners[64];
    count = std::min(count, std::size(corners));
    for (size_t i = 0; i < count; ++i)
        corners[i] =
            PathPoint{keys.centre[letters[i]].x / keys.keyWidth, keys.centre[letters[i]].y / keys.keyWidth};
    PathPoint path[samples];
    resample(corners, count, path, samples);
    const float place = meanSquaredDistance(path, stroke.place);
    if (place > tuning.farthest)
        return false;
    const float ends =
        squared(path[0], stroke.place[0]) + squared(path[samples - 1], stroke.place[samples - 1]);
    normaliseShape(path, samples);
    const float shape = meanDistance(path, stroke.shape);
    fit = spreadOut(place, tuning.placeSpread) + spreadOut(ends, tuning.endSpread) +
          spreadOut(shape * shape, tuning.shapeSpread);
    return true;
}

// The letters whose keys stand near a point, measured in key widths across and key heights down.
std::vector<int> lettersNear(PathPoint point, const LetterKeys& keys)
{
    std::vector<int> near;
    for (int letter = 0; letter < letterCount; ++letter) {
        const float across = (keys.centre[letter].x - point.x) / keys.keyWidth;
        const float down = (keys.centre[letter].y - point.y) / keys.keyHeight;
        if (across * across + down * down <= tuning.endRadius * tuning.endRadius)
            near.push_back(letter);
    }
    return near;
}

// What the previous word says of the next: the table's followers by their place, the user's own pairs.
struct Context {
    std::vector<std::pair<std::uint32_t, int>> tableFollowers;
    const std::map<std::string, int>* learnedFollowers;
    float learnedFollowersTotal;
    float learnedTotal;
    float tableNorm;
    float rankNorm;
};

Context contextOf(const StrokeWords& words, const std::string& previous)
{
    Context context{{}, nullptr, 0, 0, 1, 1};
    if (!previous.empty()) {
        const std::string key = previousKey(previous);
        const std::vector<std::string_view> followers = followersOf(words.pairs, key);
        for (size_t place = 0; place < followers.size(); ++place) {
            const int rank = rankOf(words.list, std::string(followers[place]));
            if (rank >= 0)
                context.tableFollowers.emplace_back(static_cast<std::uint32_t>(rank),
                                                    static_cast<int>(place));
            context.tableNorm += 1.0f / static_cast<float>(place + 2);
        }
        std::sort(context.tableFollowers.begin(), context.tableFollowers.end());
        const auto found = words.learned.pairs.find(key);
        if (found != words.learned.pairs.end()) {
            context.learnedFollowers = &found->second;
            for (const auto& [next, uses] : found->second)
                context.learnedFollowersTotal += static_cast<float>(uses);
        }
    }
    for (const auto& [word, uses] : words.learned.counts)
        context.learnedTotal += static_cast<float>(uses);
    context.rankNorm = std::log(static_cast<float>(wordCount(words.list) + 10) / 10.0f);
    return context;
}

float likelihoodOf(const StrokeWords& words, const Context& context, std::uint32_t rank,
                   std::string_view word)
{
    float p = 0;
    const float listRank =
        rank == learnedOnly ? static_cast<float>(wordCount(words.list)) : static_cast<float>(rank);
    p += tuning.rankShare / ((listRank + 10) * context.rankNorm);
    const auto table = std::lower_bound(context.tableFollowers.begin(), context.tableFollowers.end(),
                                        std::make_pair(rank, 0));
    if (table != context.tableFollowers.end() && table->first == rank)
        p += tuning.tableShare / (static_cast<float>(table->second + 2) * context.tableNorm);
    if (context.learnedTotal > 0) {
        const std::string spelt(word);
        const int uses = useCount(words.learned, spelt);
        if (uses)
            p += tuning.learnedShare * static_cast<float>(uses) / context.learnedTotal;
        if (context.learnedFollowers) {
            const auto pair = context.learnedFollowers->find(spelt);
            if (pair != context.learnedFollowers->end())
                p += tuning.learnedPairShare * static_cast<float>(pair->second) /
                     context.learnedFollowersTotal;
        }
    }
    return std::log(p);
}

// Only the fit, at first: the likelihood is looked up for the candidates that may still rank.
void weigh(const std::uint8_t* letters, size_t count, std::uint32_t rank, std::string_view word,
           const LetterKeys& keys, const Stroke& stroke, std::vector<Candidate>& candidates)
{
    float fit = 0;
    if (fitOf(letters, count, keys, stroke, fit))
        candidates.push_back(Candidate{fit, rank, word});
}

bool better(const Candidate& a, const Candidate& b)
{
    return a.score > b.score;
}

// Every word is at least as likely as a word of the last rank: a candidate whose fit falls behind the
// wanted-th best fit by more than that difference cannot rank among the wanted.
void addLikelihoods(const StrokeWords& words, const Context& context, std::vector<Candidate>& candidates,
                    size_t wanted)
{
    if (candidates.size() > wanted) {
        std::nth_element(candidates.begin(), candidates.begin() + static_cast<long>(wanted) - 1,
                         candidates.end(), better);
        const float least =
            tuning.rankShare / ((static_cast<float>(wordCount(words.list)) + 10) * context.rankNorm);
        const float bar = candidates[wanted - 1].score + tuning.likelihoodWeight * std::log(least);
        candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                        [&](const Candidate& candidate) { return candidate.score < bar; }),
                         candidates.end());
    }
    for (Candidate& candidate : candidates)
        candidate.score +=
            tuning.likelihoodWeight * likelihoodOf(words, context, candidate.rank, candidate.word);
}

bool contains(const std::vector<int>& letters, int letter)
{
    return std::find(letters.begin(), letters.end(), letter) != letters.end();
}

// The user's words that are not listed, once used twice, found by their folded start.
void weighLearned(const StrokeWords& words, const std::vector<int>& starts, const std::vector<int>& ends,
                  const LetterKeys& keys, const Stroke& stroke, std::vector<Candidate>& candidates)
{
    std::vector<std::uint8_t> letters;
    for (int start : starts) {
        const std::string first(1, static_cast<char>('a' + start));
        for (auto entry = words.learned.byFold.lower_bound({first, ""});
             entry != words.learned.byFold.end() && entry->first.compare(0, 1, first) == 0; ++entry) {
            letters.clear();
            appendPathLetters(entry->first, letters);
            if (letters.size() < 2 || !contains(ends, letters.back()) ||
                useCount(words.learned, entry->second) < usesToWrite ||
                rankOf(words.list, entry->second) >= 0)
                continue;
            weigh(letters.data(), letters.size(), learnedOnly, entry->second, keys, stroke, candidates);
        }
    }
}

} // namespace

StrokeIndex buildStrokeIndex(const WordList& list)
{
    StrokeIndex index;
    const size_t count = wordCount(list);
    index.letterStart.reserve(count + 1);
    std::vector<std::uint32_t> groupSize(letterCount * letterCount, 0);
    for (size_t rank = 0; rank < count; ++rank) {
        index.letterStart.push_back(static_cast<std::uint32_t>(index.letters.size()));
        const size_t before = index.letters.size();
        appendPathLetters(foldedAt(list, rank), index.letters);
        if (index.letters.size() - before >= 2)
            ++groupSize[index.letters[before] * letterCount + index.letters.back()];
    }
    index.letterStart.push_back(static_cast<std::uint32_t>(index.letters.size()));
    index.groupStart.assign(1, 0);
    for (std::uint32_t size : groupSize)
        index.groupStart.push_back(index.groupStart.back() + size);
    index.ranks.resize(index.groupStart.back());
    std::vector<std::uint32_t> filled(index.groupStart.begin(), index.groupStart.end() - 1);
    for (std::uint32_t rank = 0; rank < count; ++rank) {
        const std::uint32_t from = index.letterStart[rank];
        const std::uint32_t to = index.letterStart[rank + 1];
        if (to - from >= 2)
            index.ranks[filled[index.letters[from] * letterCount + index.letters[to - 1]]++] = rank;
    }
    return index;
}

std::vector<std::string> decodeStroke(const StrokeWords& words, const std::string& previous,
                                      const LetterKeys& keys, const Path& path, size_t wanted)
{
    std::vector<std::string> found;
    if (wanted == 0 || path.size() < 2 || keys.keyWidth <= 0 || keys.keyHeight <= 0 ||
        words.index.groupStart.size() != letterCount * letterCount + 1)
        return found;
    const Stroke stroke = strokeOf(path, keys);
    const std::vector<int> starts = lettersNear(path.front(), keys);
    const std::vector<int> ends = lettersNear(path.back(), keys);
    std::vector<Candidate> candidates;
    const StrokeIndex& index = words.index;
    for (int start : starts)
        for (int end : ends) {
            const int group = start * letterCount + end;
            for (std::uint32_t i = index.groupStart[group]; i < index.groupStart[group + 1]; ++i) {
                const std::uint32_t rank = index.ranks[i];
                const std::uint32_t from = index.letterStart[rank];
                weigh(&index.letters[from], index.letterStart[rank + 1] - from, rank,
                      wordAt(words.list, rank), keys, stroke, candidates);
            }
        }
    weighLearned(words, starts, ends, keys, stroke, candidates);
    addLikelihoods(words, contextOf(words, previous), candidates, wanted);
    const size_t kept = std::min(wanted, candidates.size());
    std::partial_sort(candidates.begin(), candidates.begin() + static_cast<long>(kept), candidates.end(),
                      better);
    for (size_t i = 0; i < kept; ++i)
        found.emplace_back(candidates[i].word);
    return found;
}
