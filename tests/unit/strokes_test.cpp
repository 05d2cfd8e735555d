// Strokes: when a press becomes a stroke, and how the decoder ranks the words for a stroke, with the paths
// written out on the Medium panel's keys.
#include <gtest/gtest.h>

#include "panel/strokedecision.h"
#include "strokes/decoder.h"
#include "tools/mediumpanel.h"

namespace {

// The o key of the Medium panel: 26 pixels wide, so a quarter key is 6.5 pixels.
constexpr RECT oKey{102, 73, 128, 94};
constexpr DWORD pressTime = 1000;
constexpr DWORD holdDelay = 500;

TEST(StrokeOrTap, APressBecomesAStrokeOnlyByLeavingItsKeyByMoreThanAQuarterKeyBeforeTheHoldDelay)
{
    struct Case {
        const char* what;
        std::vector<StrokePoint> path;
        bool stroke;
    };
    const Case cases[] = {
        {"slides inside the key", {{104, 75, 1000}, {126, 92, 1100}}, false},
        {"strays 6 pixels right of it", {{115, 83, 1000}, {127 + 6, 83, 1100}}, false},
        {"strays 7 pixels right of it", {{115, 83, 1000}, {127 + 7, 83, 1100}}, true},
        {"strays 7 pixels left of it", {{115, 83, 1000}, {102 - 7, 83, 1100}}, true},
        {"strays 6 pixels above it", {{115, 83, 1000}, {115, 73 - 6, 1100}}, false},
        {"strays 7 pixels below it", {{115, 83, 1000}, {115, 93 + 7, 1100}}, true},
        {"leaves it just before the delay", {{115, 83, 1000}, {143, 83, 1499}}, true},
        {"leaves it once the delay has passed", {{115, 83, 1000}, {143, 83, 1500}}, false},
        {"leaves the keyboard", {{115, 83, 1000}, {offKeyboard, offKeyboard, 1200}}, true},
        {"comes back after leaving", {{115, 83, 1000}, {160, 83, 1200}, {115, 83, 1300}}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(becameStroke(oKey, c.path, pressTime, holdDelay), c.stroke) << c.what;
    EXPECT_TRUE(becameStroke(oKey, {{143, 83, 5}}, 0xFFFFFFF0u, holdDelay)) << "across the tick count's wrap";
}

LetterKeys mediumLetters(float scale)
{
    LetterKeys keys{};
    for (const MediumPanelKey& key : mediumPanelKeys)
        if (key.id >= 11 && key.id <= 36) {
            keys.centre[key.caption[0] - 'a'] = PathPoint{(key.rect.left + key.rect.right) * scale / 2,
                                                          (key.rect.top + key.rect.bottom) * scale / 2};
            keys.keyWidth = static_cast<float>(key.rect.right - key.rect.left) * scale;
            keys.keyHeight = static_cast<float>(key.rect.bottom - key.rect.top) * scale;
        }
    return keys;
}

struct Use {
    const char* previous;
    const char* word;
    int times;
};

// The list ranks "the" before "tie" and "fit" before "flit", whose paths are one straight line; the table
// has "flit" follow "pen".
TEST(StrokeDecoding, RanksByTheStrokesPlaceAndShapeThenByTheWordsLikelihoodAfterThePreviousOne)
{
    struct Case {
        const char* what;
        std::vector<Use> uses;
        const char* previous;
        Path path;
        float scale;
        std::vector<std::string> best;
    };
    const Path fitOrFlit{{142, 40}, {100, 37}, {61, 39}};
    const Path tie{{58, 37}, {88, 40}, {142, 60}};
    const Path vie{{86, 17}, {88, 39}, {143, 62}};
    const Case cases[] = {
        {"through t, h, e", {}, "", {{61, 40}, {141, 18}, {144, 60}}, 1, {"the", "tie"}},
        {"through t, i, e", {}, "", tie, 1, {"tie", "the"}},
        {"t, i, e on a larger panel", {}, "", {{87, 56}, {132, 60}, {213, 90}}, 1.5f, {"tie"}},
        {"f to t: the list's rank", {}, "", fitOrFlit, 1, {"fit", "flit"}},
        {"f to t after pen: the table's pair", {}, "pen", fitOrFlit, 1, {"flit", "fit"}},
        {"f to t after pen: the user's pair first", {{"pen", "fit", 2}}, "pen", fitOrFlit, 1, {"fit"}},
        {"v, i, e: vie used once is no word yet", {{"", "vie", 1}}, "", vie, 1, {}},
        {"v, i, e: vie used twice", {{"", "vie", 2}}, "", vie, 1, {"vie"}},
        {"over the number pad", {}, "", {{320, 60}, {340, 100}}, 1, {}},
    };
    const WordList list = parseWordList("the\ntie\nfit\nflit\npen\n");
    const StrokeIndex index = buildStrokeIndex(list);
    const PairTable pairs = parsePairTable("pen flit\n");
    for (const Case& c : cases) {
        LearnedWords learned;
        for (const Use& use : c.uses)
            for (int i = 0; i < use.times; ++i)
                learnWord(learned, list, use.word, use.previous);
        std::vector<std::string> found = decodeStroke(StrokeWords{list, index, learned, pairs}, c.previous,
                                                      mediumLetters(c.scale), c.path, 5);
        // The words expected first, or none at all.
        found.resize(std::min(found.size(), std::max<size_t>(c.best.size(), 1)));
        EXPECT_EQ(found, c.best) << c.what;
    }
}

} // namespace
