// The keyboard panel built from each of the five real templates inside a stand-in frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "caption/bitmapcontrols.h"
#include "panel/captions.h"
#include "panel/fonts.h"
#include "panel/hittest.h"
#include "typing/keystate.h"
#include "keys/keytables.h"
#include "panel/panel.h"
#include "state/appstate.h"
#include "support/display.h"
#include "support/testframe.h"
#include "support/winprocess.h"
#include "tools/mediumpanel.h"

namespace {

constexpr int lightSides[5] = {5, 6, 6, 7, 8};
// Set by ScaledDisplay for the runs of this program that it starts: the scale those runs must find.
constexpr const char* askedScaleVariable = "TILFAY_TEST_DPI";
constexpr int altLightIds[5] = {330, 331, 331, 332, 333};

std::vector<int> allKeyIds()
{
    std::vector<int> ids;
    for (auto [first, last] :
         {std::pair{firstLetterKey, lastPunctuationKey}, std::pair{leftSpaceKey, rightSpaceKey},
          std::pair{firstSpecialKey, lastSpecialKey}, std::pair{firstPadKey, lastPadKey},
          std::pair{firstFunctionKey, lastFunctionKey}})
        for (int id = first; id <= last; ++id)
            ids.push_back(id);
    return ids;
}

RECT panelRectOf(HWND panel, HWND control)
{
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string textOfControl(HWND control)
{
    char text[16] = "";
    GetWindowTextA(control, text, sizeof text);
    return text;
}

class PanelOfSize : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        char asked[8] = "";
        if (GetEnvironmentVariableA(askedScaleVariable, asked, sizeof asked)) {
            ASSERT_EQ(displayScale(), std::stoi(asked)) << "the scale the run was started for";
        }
        frame = createTestKeyboard(GetParam());
        panel = app.keyboardPanel;
        ASSERT_NE(panel, nullptr);
    }

    void TearDown() override
    {
        DestroyWindow(frame);
    }

    HWND key(int id) const
    {
        return GetDlgItem(panel, id);
    }

    RECT keyRect(int id) const
    {
        return panelRectOf(panel, key(id));
    }

    HWND frame = nullptr;
    HWND panel = nullptr;
};

} // namespace

TEST_P(PanelOfSize, MeasuresItsFullAndCompactSize)
{
    RECT whole;
    GetWindowRect(panel, &whole);
    EXPECT_EQ(app.fullWidth, whole.right - whole.left);
    EXPECT_EQ(app.fullHeight, whole.bottom - whole.top);
    EXPECT_EQ(app.compactWidth, keyRect(firstPadKey).left + 2);
    EXPECT_EQ(app.compactHeight, keyRect(firstFunctionKey).top);
    RECT client;
    GetClientRect(panel, &client);
    EXPECT_EQ(client.right, app.fullWidth) << "no border: the window is the client area";
    POINT origin{0, 0};
    MapWindowPoints(panel, frame, &origin, 1);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 10) << "below the caption bar";
    EXPECT_TRUE(IsWindowVisible(panel));
}

TEST_P(PanelOfSize, EveryKeyIsFoundAtItsCentre)
{
    for (int id : allKeyIds()) {
        const RECT r = keyRect(id);
        EXPECT_EQ(keyAt((r.left + r.right - 1) / 2, (r.top + r.bottom - 1) / 2), id) << "key " << id;
        EXPECT_EQ(keyAt(r.left, r.top), id) << "top-left pixel of key " << id;
    }
}

TEST_P(PanelOfSize, EveryPixelOfASpaceBarHitsIt)
{
    for (int id : {leftSpaceKey, rightSpaceKey}) {
        const RECT r = keyRect(id);
        // A neighbour that touches the bar takes its last pixel.
        for (int x = r.left; x < r.right - 1; ++x)
            EXPECT_EQ(keyAt(x, (r.top + r.bottom) / 2), id) << "key " << id << " at x " << x;
    }
}

TEST_P(PanelOfSize, BoundariesFollowTheSpacingOfNeighbours)
{
    // Z (11) and V (12) in row 1: touching in Tiny, one unit apart elsewhere.
    const RECT z = keyRect(11);
    const RECT v = keyRect(12);
    const int y = (z.top + z.bottom) / 2;
    const int gap = v.left - z.right;
    if (gap <= 0) {
        EXPECT_EQ(keyAt(v.left - 1, y), 12) << "the right key takes the left key's last pixel";
    } else {
        for (int x = z.right; x < v.left; ++x) {
            const BYTE hit = keyAt(x, y);
            EXPECT_TRUE(hit == 0 || hit == 11 || hit == 12) << x;
        }
        EXPECT_EQ(keyAt(v.left - 1, y), 12) << "the pixel just before a key belongs to it";
    }
}

TEST_P(PanelOfSize, VisibleBoundsLimitHitTestingInclusively)
{
    const RECT pad = keyRect(firstPadKey);
    const int y = (pad.top + pad.bottom) / 2;
    app.showNumbers = 0;
    EXPECT_EQ(keyAt(app.compactWidth, y), firstPadKey) << "x equal to the visible width is still looked up";
    EXPECT_EQ(keyAt(app.compactWidth + 1, y), 0);
    app.showNumbers = 1;
    const RECT f1 = keyRect(firstFunctionKey);
    app.showFunctionKeys = 0;
    EXPECT_EQ(keyAt((f1.left + f1.right) / 2, app.compactHeight), firstFunctionKey);
    EXPECT_EQ(keyAt((f1.left + f1.right) / 2, app.compactHeight + 1), 0);
    EXPECT_EQ(keyAt(801, 5), 0);
    EXPECT_EQ(keyAt(5, 401), 0);
    EXPECT_EQ(keyAt(65535, 65535), 0);
}

TEST_P(PanelOfSize, StartsWithLowerCaseLettersDigitsAndDel)
{
    for (int i = 0; i < letterCount; ++i)
        EXPECT_EQ(textOfControl(key(firstLetterKey + i)),
                  std::string(1, static_cast<char>(letterLayout[i] + 32)));
    EXPECT_EQ(textOfControl(key(ampersandKey)), "&&") << "shown as one ampersand";
    EXPECT_EQ(textOfControl(key(41)), "-");
    EXPECT_EQ(textOfControl(key(delKey)), "del");
    for (int i = 0; i < padKeyCount; ++i)
        EXPECT_EQ(textOfControl(key(firstPadKey + i)), std::string(1, calculatorPadChars[i]));
    EXPECT_EQ(textOfControl(key(leftSpaceKey)), " ");
}

TEST_P(PanelOfSize, LightsSitOnePixelInsideTheirKeysHidden)
{
    const int side = lightSides[GetParam() - 1];
    const int ids[3] = {altLightIds[GetParam() - 1], altLightIds[GetParam() - 1] + 10,
                        altLightIds[GetParam() - 1] + 20};
    const int keys[3] = {altKey, ctrlKey, shiftKey};
    for (int i = 0; i < 3; ++i) {
        const RECT light = panelRectOf(panel, key(ids[i]));
        const RECT modifier = keyRect(keys[i]);
        EXPECT_EQ(light.left, modifier.left + 1);
        EXPECT_EQ(light.top, modifier.top + 1);
        EXPECT_EQ(light.right - light.left, side);
        EXPECT_EQ(light.bottom - light.top, side);
        EXPECT_FALSE(IsWindowVisible(key(ids[i])));
    }
}

TEST_P(PanelOfSize, ALightPaintsItsBitmapPressedOrNot)
{
    const int id = altLightIds[GetParam() - 1];
    HWND light = key(id);
    showAltIndicator(true);
    UpdateWindow(light);
    pumpFor(100);
    const int side = lightSides[GetParam() - 1];
    for (int pressed = 0; pressed <= 1; ++pressed) {
        SendMessageA(light, BM_SETSTATE, pressed, 0);
        UpdateWindow(light);
        pumpFor(50);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                EXPECT_EQ(screenPixel(light, x, y), bitmapPixel(id, x, y))
                    << x << "," << y << " pressed " << pressed;
    }
}

TEST_P(PanelOfSize, NoControlTakesTheFocus)
{
    HWND focus = GetFocus();
    EXPECT_FALSE(focus && IsChild(panel, focus));
}

TEST_P(PanelOfSize, FontsFollowTheDisplayResolution)
{
    HDC dc = GetDC(panel);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(panel, dc);
    constexpr int letterPoints[5] = {9, 8, 10, 12, 14};
    LOGFONTA font{};
    GetObjectA(letterFont, sizeof font, &font);
    EXPECT_EQ(font.lfHeight, fontHeight(dpi, letterPoints[GetParam() - 1]));
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(key(11), WM_GETFONT, 0, 0)), letterFont);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(key(escKey), WM_GETFONT, 0, 0)), specialFont);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(key(firstFunctionKey), WM_GETFONT, 0, 0)), functionFont);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(key(101), WM_GETFONT, 0, 0)), letterFont);
    EXPECT_NE(reinterpret_cast<HFONT>(SendMessageA(key(leftSpaceKey), WM_GETFONT, 0, 0)), letterFont)
        << "the space bars keep the template's font";
}

TEST_P(PanelOfSize, NavigationModeShowsArrowsInTheArrowFont)
{
    setPadFonts(true);
    setPadCaptions(true);
    for (int id = firstPadKey; id <= lastPadKey; ++id) {
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(key(id), WM_GETFONT, 0, 0)),
                  isNavKey(id) ? arrowFont : letterFont);
        EXPECT_EQ(textOfControl(key(id)), std::string(1, navPadCaptions[id - firstPadKey]));
    }
    EXPECT_EQ(textOfControl(key(delKey)), "ins");
    setPadFonts(false);
    setPadCaptions(false);
    EXPECT_EQ(textOfControl(key(101)), "7");
    EXPECT_EQ(textOfControl(key(delKey)), "del");
}

TEST_P(PanelOfSize, ThePadOrderChangesExactlySixKeys)
{
    app.phoneLayout = 1;
    reloadPadLayout();
    for (int i = 0; i < padKeyCount; ++i)
        EXPECT_EQ(textOfControl(key(firstPadKey + i)), std::string(1, phonePadChars[i]));
}

TEST_P(PanelOfSize, DestructionDeletesFontsAndLights)
{
    const HGDIOBJ fonts[4] = {letterFont, specialFont, functionFont, arrowFont};
    const HWND lights[3] = {altIndicator, ctrlIndicator, shiftIndicator};
    HGDIOBJ bitmaps[3];
    for (int i = 0; i < 3; ++i)
        bitmaps[i] = GetPropA(lights[i], "BitMapProperty");
    DestroyWindow(panel);
    for (HGDIOBJ font : fonts)
        EXPECT_EQ(GetObjectType(font), 0u);
    for (HGDIOBJ bitmap : bitmaps)
        EXPECT_EQ(GetObjectType(bitmap), 0u);
}

TEST_P(PanelOfSize, ANewPanelStartsFreshWhateverTheLatchesWere)
{
    latches = ModifierLatches{1, 1, 1, 1, 1};
    setLetterCaptions(true);
    setPadCaptions(true);
    showShiftIndicator(true);
    DestroyWindow(panel);
    panel = createKeyboardPanel(frame);
    app.keyboardPanel = panel;
    EXPECT_EQ(textOfControl(key(firstLetterKey)), "z");
    EXPECT_EQ(textOfControl(key(delKey)), "del");
    EXPECT_EQ(textOfControl(key(101)), "7");
    EXPECT_FALSE(IsWindowVisible(shiftIndicator));
    EXPECT_EQ(latches.capsLatch + latches.navLatch + latches.shiftLatch + app.navModeMirror, 0);
}

INSTANTIATE_TEST_SUITE_P(AllSizes, PanelOfSize, ::testing::Values(1, 2, 3, 4, 5));

// The platform reads the display's scale once per process, so each scale runs the hit-testing case of every
// size in a new run of this program. At 192 dpi the Huge panel is wider than 800 pixels.
class ScaledDisplay : public ::testing::TestWithParam<int> {};

TEST_P(ScaledDisplay, EveryKeyOfEverySizeIsFoundAtItsCentre)
{
    ASSERT_TRUE(setDisplayScale(GetParam()));
    SetEnvironmentVariableA(askedScaleVariable, std::to_string(GetParam()).c_str());
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    Program run('"' + std::string(self) +
                "\" --gtest_filter=AllSizes/PanelOfSize.EveryKeyIsFoundAtItsCentre/*");
    EXPECT_EQ(run.waitForExit(3 * longWait), 0u);
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScaledDisplay, ::testing::Values(96, 120, 144, 192));

TEST(PanelWithPhoneOrder, ShowsThePhoneDigitsFromTheStart)
{
    app = AppState{};
    captureButtonClass();
    app.keySize = 3;
    app.phoneLayout = 1;
    HWND frame = createTestFrame();
    HWND panel = createKeyboardPanel(frame);
    for (int i = 0; i < padKeyCount; ++i)
        EXPECT_EQ(textOfControl(GetDlgItem(panel, firstPadKey + i)), std::string(1, phonePadChars[i]));
    DestroyWindow(frame);
}

TEST(FontHeights, MatchTheKeyboardsFiguresAt96And120PixelsPerInch)
{
    EXPECT_EQ(fontHeight(96, 9), -12);
    EXPECT_EQ(fontHeight(96, 7), -9);
    EXPECT_EQ(fontHeight(96, 6), -8);
    EXPECT_EQ(fontHeight(96, 10), -13);
    EXPECT_EQ(fontHeight(96, 8), -11);
    EXPECT_EQ(fontHeight(96, 14), -19);
    EXPECT_EQ(fontHeight(120, 9), -15);
    EXPECT_EQ(fontHeight(120, 7), -12);
    EXPECT_EQ(fontHeight(120, 8), -13);
    EXPECT_EQ(fontHeight(120, 14), -23);
    EXPECT_EQ(fontHeight(120, 12), -20);
}

// The tools that measure shape writing and scanning natively lay out the Medium panel from a table.
TEST(MediumPanelTable, IsTheRealMediumPanel)
{
    createTestKeyboard(3);
    RECT panel{};
    GetWindowRect(app.keyboardPanel, &panel);
    EXPECT_EQ(panel.right - panel.left, mediumPanelWidth);
    EXPECT_EQ(panel.bottom - panel.top, mediumPanelHeight);
    int keys = 0;
    for (int id = 1; id <= lastKeyIdValue; ++id)
        keys += app.keyHandles[id] != nullptr;
    EXPECT_EQ(keys, static_cast<int>(std::size(mediumPanelKeys)));
    for (const MediumPanelKey& key : mediumPanelKeys) {
        const RECT r = panelRectOf(app.keyboardPanel, app.keyHandles[key.id]);
        EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}),
                  (std::vector<LONG>{key.rect.left, key.rect.top, key.rect.right, key.rect.bottom}))
            << key.id;
        const std::string shown = textOfControl(app.keyHandles[key.id]);
        EXPECT_EQ(shown == "&&" ? "&" : shown, key.caption) << key.id;
    }
    DestroyWindow(app.mainWindow);
}
