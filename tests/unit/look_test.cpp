// The look's decisions with colours written out: which look applies, the contrast of colour pairs as WCAG
// 2.1 measures it, and the colour chosen for the scan's frame and the hover fill in the schemes people use.
#include <gtest/gtest.h>

#include "look/choice.h"
#include "state/appstate.h"

namespace {

constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF navyPanel = RGB(0, 0, 64);
constexpr COLORREF wineNavy = RGB(0, 0, 128);
constexpr COLORREF wineBlue = RGB(48, 150, 250);
constexpr COLORREF wineFace = RGB(245, 245, 245);
constexpr COLORREF cellGrey = RGB(232, 224, 224);
constexpr COLORREF raspberry = RGB(220, 0, 110);

} // namespace

TEST(Look, WindowsHighContrastWinsOverTheSetting)
{
    EXPECT_EQ(lookFor(colorsStandard, false), Look::standard);
    EXPECT_EQ(lookFor(colorsStandard, true), Look::system);
    EXPECT_EQ(lookFor(colorsSystem, false), Look::system);
    EXPECT_EQ(lookFor(colorsSystem, true), Look::system);
}

TEST(Contrast, RatiosOfColourPairs)
{
    struct Case {
        COLORREF a, b;
        double ratio;
    };
    const Case cases[] = {
        {black, white, 21.0},          {wineNavy, navyPanel, 1.221},       {wineBlue, wineFace, 2.804},
        {wineFace, navyPanel, 17.934}, {RGB(118, 118, 118), white, 4.542},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(contrastRatio(c.a, c.b), c.ratio, 0.001) << std::hex << c.a << " on " << c.b;
}

TEST(Contrast, TheSystemsHighlightWhereItStandsOutElseAStrongColourElseTheNearestGrey)
{
    struct Case {
        const char* scheme;
        COLORREF highlight;
        std::vector<COLORREF> backgrounds;
        COLORREF chosen;
    };
    const Case cases[] = {
        {"Standard look, Wine's navy", wineNavy, {navyPanel, wineFace, cellGrey, RGB(32, 0, 0)}, raspberry},
        {"Standard look, Wine's light blue",
         wineBlue,
         {navyPanel, wineFace, cellGrey, RGB(32, 0, 0)},
         raspberry},
        {"Standard look, Windows 10",
         RGB(0, 120, 215),
         {navyPanel, RGB(240, 240, 240), cellGrey},
         RGB(0, 120, 215)},
        {"fill, Wine's navy", wineNavy, {wineFace, cellGrey}, wineNavy},
        {"System look, high contrast black", RGB(26, 235, 255), {black, black}, RGB(26, 235, 255)},
        {"System look, high contrast white", RGB(55, 0, 110), {white, white}, RGB(55, 0, 110)},
        {"System look, Wine's light blue", wineBlue, {white, wineFace}, raspberry},
        {"dark panel, light keys: only a mid grey comes near",
         RGB(128, 128, 128),
         {RGB(40, 40, 40), RGB(200, 200, 200)},
         RGB(112, 112, 112)},
    };
    for (const Case& c : cases) {
        const COLORREF chosen = standoutColour(c.highlight, c.backgrounds);
        EXPECT_EQ(chosen, c.chosen) << c.scheme << ": " << std::hex << chosen;
        for (COLORREF background : c.backgrounds)
            EXPECT_TRUE(chosen == RGB(112, 112, 112) || contrastRatio(chosen, background) >= stateContrast)
                << c.scheme;
    }
    EXPECT_EQ(textColourOn(wineNavy, white), white) << "the system's highlight text where it reads";
    EXPECT_EQ(textColourOn(raspberry, white), white);
    EXPECT_EQ(textColourOn(RGB(26, 235, 255), white), black) << "else black or white";
}
