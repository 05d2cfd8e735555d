// The two looks on the real keyboard, read from the screen's pixels as a person sees them: Colors=System in a
// high-contrast black scheme, the system's colours changed while it runs, Colors=Standard chosen in the
// options, the scan's frame and the hover fill standing out from what is around them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keys/keytables.h"
#include "look/choice.h"
#include "resources/resource.h"
#include "support/keyboardparts.h"
#include "support/keyinput.h"
#include "support/session.h"
#include "support/settingsfile.h"

namespace {

constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);
constexpr DWORD hoverTime = 3000;

struct SchemeColour {
    int element;
    const char* name;
    COLORREF value;
};
using Scheme = std::vector<SchemeColour>;

// High Contrast Black as Windows has it.
const Scheme highContrastBlack = {
    {COLOR_WINDOW, "Window", black},
    {COLOR_WINDOWTEXT, "WindowText", white},
    {COLOR_BTNFACE, "ButtonFace", black},
    {COLOR_BTNTEXT, "ButtonText", white},
    {COLOR_HIGHLIGHT, "Hilight", RGB(26, 235, 255)},
    {COLOR_HIGHLIGHTTEXT, "HilightText", black},
    {COLOR_GRAYTEXT, "GrayText", RGB(63, 242, 63)},
};
// Wine's light scheme, whose light blue highlight stands less than 3:1 from its button face.
const Scheme wineLight = {
    {COLOR_WINDOW, "Window", white},
    {COLOR_WINDOWTEXT, "WindowText", black},
    {COLOR_BTNFACE, "ButtonFace", RGB(245, 245, 245)},
    {COLOR_BTNTEXT, "ButtonText", black},
    {COLOR_HIGHLIGHT, "Hilight", RGB(48, 150, 250)},
    {COLOR_HIGHLIGHTTEXT, "HilightText", white},
};

// Read by programs started afterwards.
void writeScheme(const Scheme& scheme)
{
    HKEY colours = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Colors", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                    &colours, nullptr);
    for (const SchemeColour& c : scheme) {
        const std::string value = std::to_string(GetRValue(c.value)) + " " +
                                  std::to_string(GetGValue(c.value)) + " " +
                                  std::to_string(GetBValue(c.value));
        RegSetValueExA(colours, c.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    }
    RegCloseKey(colours);
}

// As Display settings does while every program runs.
void changeColours(const Scheme& scheme)
{
    std::vector<int> elements;
    std::vector<COLORREF> values;
    for (const SchemeColour& c : scheme) {
        elements.push_back(c.element);
        values.push_back(c.value);
    }
    SetSysColors(static_cast<int>(elements.size()), elements.data(), values.data());
}

COLORREF pixelAt(int x, int y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

RECT keyRect(HWND panel, int keyId)
{
    return screenRectOf(GetDlgItem(panel, keyId));
}

// Inside the key's edge, left of its caption.
COLORREF faceOf(HWND panel, int keyId)
{
    const RECT key = keyRect(panel, keyId);
    return pixelAt(key.left + 3, (key.top + key.bottom) / 2);
}

// The caption's colour: the pixel inside the key that stands farthest from its face.
COLORREF captionOf(HWND panel, int keyId)
{
    const RECT key = keyRect(panel, keyId);
    const COLORREF face = faceOf(panel, keyId);
    COLORREF caption = face;
    for (int y = key.top + 3; y < key.bottom - 3; ++y)
        for (int x = key.left + 3; x < key.right - 3; ++x)
            if (contrastRatio(pixelAt(x, y), face) > contrastRatio(caption, face))
                caption = pixelAt(x, y);
    return caption;
}

COLORREF panelColourOf(HWND panel)
{
    const RECT r = screenRectOf(panel);
    return pixelAt(r.left, r.top);
}

// The scan's frame: the colour of one of its sides, and where it stands; none while no side is shown.
struct Frame {
    COLORREF colour;
    RECT place;
};
Frame shownFrame(DWORD keyboard)
{
    for (HWND window : topLevelWindowsOf(keyboard))
        if (className(window) == "TilfayOverlay" && IsWindowVisible(window)) {
            const RECT side = screenRectOf(window);
            return {pixelAt((side.left + side.right) / 2, (side.top + side.bottom) / 2), side};
        }
    return {CLR_INVALID, {}};
}

::testing::AssertionResult standsOut(COLORREF frame, COLORREF panel, COLORREF face)
{
    if (contrastRatio(frame, panel) >= stateContrast && contrastRatio(frame, face) >= stateContrast)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the frame " << std::hex << frame << " against the panel " << panel << " and the face " << face
           << ": " << std::dec << contrastRatio(frame, panel) << ", " << contrastRatio(frame, face);
}

// The share of the key's rows inside its edges that the fill covers from the bottom, at 3:1 from the face.
double filledShare(HWND panel, int keyId, COLORREF face)
{
    const RECT key = keyRect(panel, keyId);
    const int x = key.left + 3;
    const COLORREF fill = pixelAt(x, key.bottom - 3);
    if (contrastRatio(fill, face) < stateContrast)
        return 0;
    int rows = 0;
    for (int y = key.bottom - 3; y >= key.top + 2 && pixelAt(x, y) == fill; --y)
        ++rows;
    return rows / static_cast<double>(key.bottom - key.top - 4);
}

} // namespace

TEST(Colours, HighContrastInTheSystemLookAChangeWhileRunningAndTheHighlightAndFillAtThreeToOneInBothLooks)
{
    writeScheme(highContrastBlack);
    Session session;
    ASSERT_TRUE(startSession(session,
                             "[Tilfay]\r\nColors=System\r\nWord Suggestions=Y\r\nSelect Keys=Scan\r\n"
                             "Scan Time=5000\r\nHover Time=3000\r\n"));
    const HWND panel = session.keyboard.panel;
    const int e = keyForCharacter('e');
    EXPECT_EQ(panelColourOf(panel), black) << "the panel";
    EXPECT_EQ(faceOf(panel, e), black) << "a key's face";
    EXPECT_EQ(pixelAt(keyRect(panel, e).left, keyRect(panel, e).top + 5), white) << "its edge";
    EXPECT_EQ(captionOf(panel, e), white) << "its caption";
    const RECT bar = screenRectOf(captionBarOf(session.keyboard.frame));
    EXPECT_EQ(pixelAt(bar.left + 80, bar.top + 1), black) << "the caption bar";

    typeWithKeyboard(session, "th");
    ASSERT_EQ(settledText(session.notepad.edit), "th");
    HWND strip = FindWindowExA(session.keyboard.frame, nullptr, "TilfayStrip", nullptr);
    const RECT cells = screenRectOf(strip);
    EXPECT_EQ(pixelAt(cells.left + 4, cells.top + 4), black) << "a strip cell";
    EXPECT_EQ(pixelAt(cells.left + 1, cells.top + 4), white) << "its edge";
    const std::string offered = windowText(strip);
    tapKey(panel, shiftKey);
    EXPECT_EQ(faceOf(panel, shiftKey), RGB(26, 235, 255)) << "shift latched, shown inverted";
    const DWORD keyboard = session.keyboard.program->id();
    pressKey(VK_SPACE);
    EXPECT_TRUE(waitUntil([&] { return shownFrame(keyboard).colour == RGB(26, 235, 255); }, 1000))
        << "the scheme's own highlight stands out here: " << std::hex << shownFrame(keyboard).colour;
    const RECT onStrip = shownFrame(keyboard).place;

    // Display settings change the colours: the keyboard repaints and keeps everything else. (Wine's running
    // programs go on reading the colours they read first; programs started afterwards read the new ones.)
    changeColours(wineLight);
    pumpFor(1000);
    EXPECT_EQ(faceOf(panel, shiftKey), RGB(26, 235, 255)) << "shift is still latched";
    const RECT followed = shownFrame(keyboard).place;
    EXPECT_TRUE(EqualRect(&followed, &onStrip)) << "the scan stays where it was";
    EXPECT_EQ(windowText(strip), offered) << "the word being typed is kept";
    EXPECT_TRUE(hasTheFocus(session.notepad.window, session.notepad.edit));
    tapKey(panel, e);
    EXPECT_TRUE(waitForText(session.notepad.edit, "thE")) << textOf(session.notepad.edit);
    EXPECT_EQ(faceOf(panel, shiftKey), black) << "shift unlatched by the letter";
    // The Standard look, chosen in the options, is followed at once in the same way.
    clickControl(openOptions(session.keyboard), IDC_COLORS);
    EXPECT_TRUE(
        waitUntil([&] { return panelColourOf(panel) == RGB(0, 0, 64) && faceOf(panel, e) == black; }, 1000))
        << "the keys are the platform's buttons again, in the running scheme: " << std::hex
        << faceOf(panel, e);
    EXPECT_TRUE(waitUntil([] { return profileValue("Colors") == "Standard"; }, shortWait));

    // The Standard look with each of Wine's default highlight colours, read by a keyboard started after it.
    for (COLORREF highlight : {RGB(0, 0, 128), RGB(48, 150, 250)}) {
        SCOPED_TRACE(highlight);
        clickAt(centreOf(GetDlgItem(captionBarOf(session.keyboard.frame), IDC_CAPTION_CLOSE)));
        ASSERT_EQ(session.keyboard.program->waitForExit(longWait), 0u);
        changeColours({{COLOR_HIGHLIGHT, "Hilight", highlight}});
        session.keyboard = startKeyboard();
        ASSERT_NE(session.keyboard.panel, nullptr);
        focusByClick(session.notepad.edit);
        const HWND standard = session.keyboard.panel;
        const COLORREF face = faceOf(standard, e);
        EXPECT_EQ(face, RGB(245, 245, 245)) << "the light scheme's face";
        EXPECT_GE(contrastRatio(captionOf(standard, e), face), 7.0) << "captions on the Standard keys";
        pressKey(VK_SPACE);
        ASSERT_TRUE(waitUntil(
            [&] { return shownFrame(session.keyboard.program->id()).colour != CLR_INVALID; }, 1000));
        // Read once it has been painted.
        pumpFor(300);
        EXPECT_TRUE(standsOut(shownFrame(session.keyboard.program->id()).colour, RGB(0, 0, 64), face));
    }

    // Hover, with the light blue that stands less than 3:1 from the face: half the hover time fills at least
    // 40 % of the key, at 3:1 from its face.
    clickControl(openOptions(session.keyboard), IDC_SELECT_SECOND);
    ASSERT_TRUE(waitUntil([] { return profileValue("Select Keys") == "Hover"; }, shortWait));
    const int d = keyForCharacter('d');
    const COLORREF face = faceOf(session.keyboard.panel, d);
    moveXPointerTo(centreOf(GetDlgItem(session.keyboard.panel, d)));
    pumpFor(hoverTime / 2);
    const double share = filledShare(session.keyboard.panel, d, face);
    EXPECT_GE(share, 0.4);
    EXPECT_LE(share, 0.7);
    parkXPointer();
}
