// The scan's groups and their order on the Medium panel as the keyboard lays it out, for a few states of the
// word being typed: the rows as the panel shows them, and the predictive order with its likely letters.
#include <gtest/gtest.h>

#include "scanplan/scanplan.h"
#include "tools/mediumscan.h"

namespace {

// A space bar shows as "_"; groups are separated by "|".
std::string groupsText(const std::vector<std::vector<int>>& groups, const MediumScanPanel& panel)
{
    std::string text;
    for (const std::vector<int>& group : groups) {
        text += text.empty() ? "" : " |";
        for (int part : group)
            text += " " + (panel.captions[part] == " " ? std::string("_") : panel.captions[part]);
    }
    return text;
}

const std::string cells = " cell 1 cell 2 cell 3 cell 4";
const std::string functionRow = " | F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12";
// Each row from its first key in use, the rare keys of its left end after.
const std::string predictiveRows =
    " | z v c h w k - menu / * + esc | t i l f a y , num 7 8 9 del | _ n e _ . back 4 5 6 tab"
    " | g d o r s b ( enter 1 2 3 cap | shift q j u m p x ) alt = 0 % | ! ? : ; ' \" & < > @ # $ ctrl";

} // namespace

TEST(ScanPlan, RowsAsThePanelShowsThemOrTheLikelyLettersAndTheStripFirstOnlyWhileItLikelyHoldsTheWord)
{
    const WordList words = parseWordList("the\nof\nand\nto\nthat\nit\nthis\nthey\nthere\nthen\nthem\nthink\n"
                                         "through\nthree\nquite\nquestion\npeople\npresident\nplace\n");
    const PairTable pairs = parsePairTable("the people president\n");
    struct Case {
        ScanOrder order;
        const char* typed;
        const char* previous;
        std::vector<std::string> offered;
        bool strip;
        std::string groups;
    };
    const Case cases[] = {
        {ScanOrder::rows,
         "th",
         "",
         {"the", "that", "this", "they"},
         true,
         cells + functionRow +
             " | esc z v c h w k - menu / * + | del t i l f a y , num 7 8 9 | tab _ n e _ . back 4 5 6"
             " | cap g d o r s b ( enter 1 2 3 | shift q j u m p x ) alt = 0 % | ctrl ! ? : ; ' \" & < > @ # "
             "$"},
        {ScanOrder::predictive,
         "thr",
         "",
         {"through", "three"},
         true,
         cells + " | o e" + predictiveRows + functionRow},
        {ScanOrder::predictive,
         "t",
         "",
         {"three", "through"},
         true,
         " h o |" + cells + predictiveRows + functionRow},
        // The followers of the previous word lead.
        {ScanOrder::predictive,
         "",
         "the",
         {"people", "president", "the", "of"},
         true,
         cells + " | p t o a q i" + predictiveRows + functionRow},
        {ScanOrder::predictive, "th", "", {}, false, " e i r a" + predictiveRows + functionRow},
    };
    for (const Case& c : cases) {
        const MediumScanPanel panel = mediumScanPanel(c.strip, true);
        LearnedWords learned;
        const TypingNow typing{{&words, &learned, &pairs, c.typed, c.previous}, c.offered};
        EXPECT_EQ(groupsText(planScanGroups(panel.parts, c.order, typing), panel), c.groups)
            << c.typed << " after " << c.previous;
    }
}
