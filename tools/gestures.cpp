// Measures shape writing on a UTF-8 text with the keyboard's own decoder: for each word of the text
// (one-letter words are taps and are skipped; a word the keyboard cannot write, neither listed nor learned,
// is a miss) one stroke on the Medium panel, through a via-point at each letter's key centre moved by
// Gaussian noise (a quarter of the key's width in x, of its height in y, from a fixed seed), joined by a
// smooth curve sampled every 2 pixels. The stroke is decoded with the previous word known. Learning is on and
// starts empty: each word is learned after its stroke, as the keyboard learns a stroke's word or a word typed
// by taps. Usage: gestures TEXT WORDLIST [PAIRTABLE]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "strokes/decoder.h"
#include "tools/mediumpanel.h"
#include "words/folding.h"

namespace {

constexpr float noise = 0.25f;
constexpr float sampleSpacing = 2;
constexpr unsigned seed = 20040801;
constexpr size_t cells = 4;
const std::u32string sentenceEnds = U".!?";

LetterKeys mediumLetterKeys()
{
    LetterKeys keys{};
    for (const MediumPanelKey& key : mediumPanelKeys) {
        const std::string caption = key.caption;
        if (caption.size() != 1 || caption[0] < 'a' || caption[0] > 'z')
            continue;
        keys.centre[caption[0] - 'a'] =
            PathPoint{(key.rect.left + key.rect.right) / 2.0f, (key.rect.top + key.rect.bottom) / 2.0f};
        keys.keyWidth = static_cast<float>(key.rect.right - key.rect.left);
        keys.keyHeight = static_cast<float>(key.rect.bottom - key.rect.top);
    }
    return keys;
}

PathPoint lerp(PathPoint a, PathPoint b, float wa, float wb)
{
    return PathPoint{a.x * wa + b.x * wb, a.y * wa + b.y * wb};
}

// Centripetal Catmull-Rom, which neither overshoots nor loops between close via-points.
PathPoint catmullRom(const PathPoint p[4], float t)
{
    float knot[4] = {0, 0, 0, 0};
    for (int i = 1; i < 4; ++i)
        knot[i] =
            knot[i - 1] + std::max(std::sqrt(std::hypot(p[i].x - p[i - 1].x, p[i].y - p[i - 1].y)), 1e-3f);
    t = knot[1] + t * (knot[2] - knot[1]);
    const auto mix = [&](PathPoint a, PathPoint b, int i, int j) {
        return lerp(a, b, (knot[j] - t) / (knot[j] - knot[i]), (t - knot[i]) / (knot[j] - knot[i]));
    };
    const PathPoint a1 = mix(p[0], p[1], 0, 1);
    const PathPoint a2 = mix(p[1], p[2], 1, 2);
    const PathPoint a3 = mix(p[2], p[3], 2, 3);
    const PathPoint b1 = mix(a1, a2, 0, 2);
    const PathPoint b2 = mix(a2, a3, 1, 3);
    return mix(b1, b2, 1, 2);
}

// A smooth curve through the via-points, as a fine polyline.
Path curveThrough(const Path& via)
{
    Path curve{via.front()};
    for (size_t i = 0; i + 1 < via.size(); ++i) {
        const PathPoint before = i > 0 ? via[i - 1] : lerp(via[0], via[1], 2, -1);
        const PathPoint after = i + 2 < via.size() ? via[i + 2] : lerp(via[i + 1], via[i], 2, -1);
        const PathPoint control[4] = {before, via[i], via[i + 1], after};
        const int steps = 4 + static_cast<int>(std::hypot(via[i + 1].x - via[i].x, via[i + 1].y - via[i].y));
        for (int step = 1; step <= steps; ++step)
            curve.push_back(catmullRom(control, static_cast<float>(step) / static_cast<float>(steps)));
    }
    return curve;
}

// The curve sampled every sampleSpacing pixels along its length, and at its end.
Path sampled(const Path& curve)
{
    Path points{curve.front()};
    float toNext = sampleSpacing;
    for (size_t i = 1; i < curve.size(); ++i) {
        PathPoint from = curve[i - 1];
        float segment = std::hypot(curve[i].x - from.x, curve[i].y - from.y);
        while (segment >= toNext) {
            from = lerp(from, curve[i], 1 - toNext / segment, toNext / segment);
            points.push_back(from);
            segment -= toNext;
            toNext = sampleSpacing;
        }
        toNext -= segment;
    }
    points.push_back(curve.back());
    return points;
}

struct Strokes {
    LetterKeys keys;
    std::mt19937 random{seed};
    std::normal_distribution<float> gauss{0, 1};
};

// Letters that are no key (accents folded away first; apostrophes) are left out of the stroke.
Path strokeFor(const std::string& word, Strokes& strokes)
{
    Path via;
    for (char c : foldWord(word))
        if (c >= 'a' && c <= 'z') {
            const PathPoint centre = strokes.keys.centre[c - 'a'];
            const float dx = strokes.gauss(strokes.random) * noise * strokes.keys.keyWidth;
            const float dy = strokes.gauss(strokes.random) * noise * strokes.keys.keyHeight;
            via.push_back(PathPoint{centre.x + dx, centre.y + dy});
        }
    return sampled(curveThrough(via));
}

bool isDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

bool inWord(const std::u32string& text, size_t i)
{
    if (isLetter(text[i]) || isDigit(text[i]))
        return true;
    return text[i] == '\'' && i > 0 && i + 1 < text.size() && isLetter(text[i - 1]) && isLetter(text[i + 1]);
}

bool isSpace(char32_t c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

struct Tally {
    long strokes = 0;
    long taps = 0;
    long unlisted = 0;
    long first = 0;
    long amongFour = 0;
    // Words not in the list that were written once learned.
    long learnedFirst = 0;
    long learnedAmongFour = 0;
    std::vector<double> milliseconds;
};

struct Words {
    const WordList& list;
    const StrokeIndex& index;
    const PairTable& pairs;
    LearnedWords learned;
};

// Listed, or learned from two earlier uses, as the keyboard's candidates are.
bool canWrite(const Words& words, const std::string& word)
{
    return rankOf(words.list, word) >= 0 || useCount(words.learned, word) >= usesToWrite;
}

std::string inSmallLetters(const std::string& word)
{
    std::u32string small = decodeUtf8(word);
    for (char32_t& c : small)
        c = lowerOf(c);
    return encodeUtf8(small);
}

void decodeWord(const std::string& word, const std::string& previous, Words& words, Strokes& strokes,
                Tally& tally)
{
    const Path stroke = strokeFor(word, strokes);
    const auto start = std::chrono::steady_clock::now();
    const std::vector<std::string> found =
        decodeStroke(StrokeWords{words.list, words.index, words.learned, words.pairs}, previous, strokes.keys,
                     stroke, cells + 1);
    tally.milliseconds.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    const auto at = std::find(found.begin(), found.end(), word);
    const bool first = at == found.begin() && at != found.end();
    const bool amongFour = at != found.end() && at - found.begin() < static_cast<long>(cells);
    tally.first += first;
    tally.amongFour += amongFour;
    const bool listed = rankOf(words.list, word) >= 0;
    tally.learnedFirst += first && !listed;
    tally.learnedAmongFour += amongFour && !listed;
}

// The word is written as listed, or in small letters where only a sentence's start or a heading gave it
// its capital. A word the keyboard cannot write yet is a miss; every word is then learned, as the keyboard
// learns a stroke's word or a word typed by taps.
void strokeWord(const std::string& written, const std::string& previous, Words& words, Strokes& strokes,
                Tally& tally)
{
    const std::string small = inSmallLetters(written);
    const std::string word = canWrite(words, written) || !canWrite(words, small) ? written : small;
    ++tally.strokes;
    tally.unlisted += rankOf(words.list, word) < 0 && rankOf(words.list, small) < 0;
    if (canWrite(words, word))
        decodeWord(word, previous, words, strokes, tally);
    learnWord(words.learned, words.list, word, previous);
}

Tally measure(const std::u32string& text, Words& words)
{
    Strokes strokes{mediumLetterKeys()};
    Tally tally;
    std::string previous = sentenceStart;
    size_t i = 0;
    while (i < text.size()) {
        if (!inWord(text, i)) {
            const char32_t c = text[i++];
            if (sentenceEnds.find(c) != std::u32string::npos)
                previous = sentenceStart;
            else if (!isSpace(c))
                previous.clear();
            continue;
        }
        size_t end = i;
        bool digits = false;
        for (; end < text.size() && inWord(text, end); ++end)
            digits = digits || isDigit(text[end]);
        const std::string written = encodeUtf8(text.substr(i, end - i));
        if (digits)
            ;
        else if (end - i == 1)
            ++tally.taps;
        else
            strokeWord(written, previous, words, strokes, tally);
        previous = digits ? "" : written;
        i = end;
    }
    return tally;
}

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    const size_t at =
        std::min(values.size() - 1, static_cast<size_t>(share * static_cast<double>(values.size())));
    std::nth_element(values.begin(), values.begin() + static_cast<long>(at), values.end());
    return values[at];
}

double percent(long part, long whole)
{
    return whole ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: gestures TEXT WORDLIST [PAIRTABLE]\n");
        return 2;
    }
    bool readable = false;
    std::u32string text = decodeUtf8(readWholeFile(argv[1], readable));
    if (!readable || text.empty()) {
        std::fprintf(stderr, "gestures: %s is no UTF-8 text\n", argv[1]);
        return 1;
    }
    std::replace(text.begin(), text.end(), U'\u2019', U'\'');
    const WordList list = loadWordList(argv[2]);
    const PairTable pairs = argc == 4 ? loadPairTable(argv[3]) : PairTable{};
    const auto indexing = std::chrono::steady_clock::now();
    const StrokeIndex index = buildStrokeIndex(list);
    const double indexTime =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - indexing).count();
    Words words{list, index, pairs, {}};
    const Tally tally = measure(text, words);
    std::printf("%zu words in the list (their index made in %.1f ms), %zu in the pair table\n",
                wordCount(list), indexTime, pairs.lineStart.size());
    std::printf("%ld strokes, %ld of them words not in the list (%ld among the four best once learned); %ld "
                "one-letter words tapped\n",
                tally.strokes, tally.unlisted, tally.learnedAmongFour, tally.taps);
    std::printf("with every word not in the list a miss: top-1 %.1f %%, top-4 %.1f %%\n",
                percent(tally.first - tally.learnedFirst, tally.strokes),
                percent(tally.amongFour - tally.learnedAmongFour, tally.strokes));
    std::printf("top-1 %.1f %%\n", percent(tally.first, tally.strokes));
    std::printf("top-4 %.1f %%\n", percent(tally.amongFour, tally.strokes));
    std::printf("decoding median %.2f ms, p99 %.2f ms\n", percentile(tally.milliseconds, 0.5),
                percentile(tally.milliseconds, 0.99));
    return 0;
}
