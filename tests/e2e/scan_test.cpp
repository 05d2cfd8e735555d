// Switch scanning on the real keyboard with the Space switch, typing into Wine's notepad: the switch never
// reaches notepad, presses at the right highlights type a letter and a capital after shift, the highlight is
// a frame in the system's highlight colour, the rows come in the panel's order, scanning rests after its
// rounds, the options are scanned too, a switch chosen there counts at once, and the predictive order chosen
// there offers the likely letters right after the strip and still reaches every key.
#include <gtest/gtest.h>

#include <set>
#include <vector>
#include <string>

#include "keys/keytables.h"
#include "resources/resource.h"
#include "support/keyboardparts.h"
#include "support/keyinput.h"
#include "support/session.h"
#include "support/settingsfile.h"

namespace {

constexpr DWORD scanTime = 800;
constexpr const char* scanSettings = "[Tilfay]\r\nSelect Keys=Scan\r\nScan Time=800\r\nScan Switch=Space\r\n"
                                     "Scan Order=Rows\r\nWord Suggestions=Y\r\n";
// Two rounds of every row of the medium panel, and some.
constexpr DWORD roundsWait = 2 * 8 * scanTime + 2000;

bool highlightedAt(int x, int y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF seen = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return seen == GetSysColor(COLOR_HIGHLIGHT);
}

// The frame's top side runs across the window's top edge while it, or a group holding it, is highlighted.
bool framedAtTop(HWND window)
{
    const RECT r = screenRectOf(window);
    const int x = (r.left + r.right) / 2;
    return highlightedAt(x, r.top) && highlightedAt(x, r.top + 1) && highlightedAt(x, r.top + 2);
}

bool frameOverTopOf(HWND parent, int id)
{
    return framedAtTop(GetDlgItem(parent, id));
}

// The middle of each key's top edge on the screen, measured once: the keys stay where they are.
using KeyTops = std::vector<std::pair<int, POINT>>;
KeyTops keyTopsOf(HWND panel)
{
    KeyTops tops;
    for (int id = 1; id <= lastFunctionKey; ++id)
        if (HWND key = GetDlgItem(panel, id)) {
            const RECT r = screenRectOf(key);
            tops.push_back({id, POINT{(r.left + r.right) / 2, r.top}});
        }
    return tops;
}

// The keys whose top edge a side of the highlight runs across (every key of a highlighted row), read from
// the frame's windows at once, so that a key is seen alone before the scan moves on.
std::set<int> framedKeys(const KeyTops& tops)
{
    std::vector<RECT> sides;
    for (HWND side = nullptr; (side = FindWindowExA(nullptr, side, "TilfayOverlay", nullptr));)
        if (IsWindowVisible(side))
            sides.push_back(screenRectOf(side));
    std::set<int> keys;
    for (const auto& [id, top] : tops)
        for (const RECT& side : sides)
            if (PtInRect(&side, top))
                keys.insert(id);
    return keys;
}

// Two switch presses: one when a group holding the key is highlighted, one when the key alone is.
::testing::AssertionResult selectByScan(HWND panel, int keyId, WORD switchKey = VK_SPACE)
{
    const KeyTops tops = keyTopsOf(panel);
    if (!waitUntil([&] { return framedKeys(tops).count(keyId) == 1; }, roundsWait))
        return ::testing::AssertionFailure() << "no group of key " << keyId << " was highlighted";
    pressKey(switchKey);
    if (!waitUntil([&] { return framedKeys(tops) == std::set<int>{keyId}; }, roundsWait))
        return ::testing::AssertionFailure() << "key " << keyId << " was never highlighted alone";
    pressKey(switchKey);
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(Scanning, TheSpaceSwitchTypesALetterAndACapitalNeverReachesNotepadAndRestsAfterTwoRounds)
{
    Session session;
    ASSERT_TRUE(startSession(session, scanSettings));
    HWND panel = session.keyboard.panel;
    const auto stripFramed = [&] {
        return framedAtTop(FindWindowExA(session.keyboard.frame, 0, "TilfayStrip", 0));
    };
    const int e = keyForCharacter('e');
    EXPECT_FALSE(waitUntil([&] { return frameOverTopOf(panel, e); }, 2 * scanTime))
        << "no scan before a press";
    pressKey(VK_SPACE);
    EXPECT_TRUE(waitUntil([&] { return stripFramed(); }, scanTime)) << "the strip first";
    const KeyTops tops = keyTopsOf(panel);
    EXPECT_TRUE(waitUntil([&] { return framedKeys(tops).count(escKey) == 1; }, 2 * scanTime))
        << "then the top row";
    ASSERT_TRUE(selectByScan(panel, e));
    EXPECT_TRUE(waitForText(session.notepad.edit, "e"));
    ASSERT_TRUE(selectByScan(panel, shiftKey));
    ASSERT_TRUE(selectByScan(panel, keyForCharacter('c')));
    EXPECT_TRUE(waitForText(session.notepad.edit, "eC")) << textOf(session.notepad.edit);
    pumpFor(roundsWait);
    EXPECT_FALSE(
        waitUntil([&] { return frameOverTopOf(panel, e) || frameOverTopOf(panel, shiftKey); }, 3 * scanTime))
        << "the scan rests after two rounds of the groups";
    EXPECT_EQ(textOf(session.notepad.edit), "eC") << "no space reached notepad";
    EXPECT_TRUE(hasTheFocus(session.notepad.window, session.notepad.edit));

    // After menu the options' buttons are scanned one at a time, from the top left.
    pressKey(VK_SPACE);
    ASSERT_TRUE(selectByScan(panel, menuKey));
    HWND options = waitForWindow(session.keyboard.program->id(), "#32770", optionsTitle, shortWait);
    ASSERT_NE(options, nullptr);
    ASSERT_TRUE(waitUntil([&] { return frameOverTopOf(options, IDC_PAD_ORDER); }, 4 * scanTime));
    pressKey(VK_SPACE);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(options); }, shortWait)) << "the switch pressed a button";
    EXPECT_TRUE(waitUntil([] { return profileValue("Phone") == "Y"; }, shortWait)) << "and carried out";

    // The scan goes on from the top after a press. Another switch counts from the moment it is chosen:
    // Space types again and Enter scans.
    ASSERT_TRUE(selectByScan(panel, menuKey));
    options = shownDialog(waitForWindow(session.keyboard.program->id(), "#32770", optionsTitle, shortWait),
                          shortWait);
    ASSERT_NE(options, nullptr);
    clickControl(options, IDC_SCAN_SWITCH);
    EXPECT_TRUE(waitUntil([] { return profileValue("Scan Switch") == "Enter"; }, shortWait));
    ASSERT_TRUE(
        waitUntil([&] { return hasTheFocus(session.notepad.window, session.notepad.edit); }, shortWait));
    pressKey(VK_SPACE);
    EXPECT_TRUE(waitForText(session.notepad.edit, "eC ")) << textOf(session.notepad.edit);
    pumpFor(roundsWait);
    pressKey(VK_RETURN);
    ASSERT_TRUE(selectByScan(panel, e, VK_RETURN));
    EXPECT_TRUE(waitForText(session.notepad.edit, "eC e")) << "Enter never reaches notepad";

    // The predictive order, chosen in the options: after "th", the group right after the strip holds at most
    // eight letters with e among them, framed where they stand, and a press there and at e types it.
    ASSERT_TRUE(selectByScan(panel, menuKey, VK_RETURN));
    options = shownDialog(waitForWindow(session.keyboard.program->id(), "#32770", optionsTitle, shortWait),
                          shortWait);
    ASSERT_NE(options, nullptr);
    clickControl(options, IDC_SCAN_ORDER);
    EXPECT_TRUE(waitUntil([] { return profileValue("Scan Order") == "Predictive"; }, shortWait));
    for (int key : {leftSpaceKey, keyForCharacter('t'), keyForCharacter('h')})
        ASSERT_TRUE(selectByScan(panel, key, VK_RETURN));
    EXPECT_TRUE(waitForText(session.notepad.edit, "eC e th")) << textOf(session.notepad.edit);
    EXPECT_TRUE(waitUntil([&] { return stripFramed(); }, scanTime)) << "the strip first";
    std::set<int> second;
    ASSERT_TRUE(waitUntil([&] { return !framedKeys(tops).empty(); }, 2 * scanTime));
    // Read once the frames have all been placed.
    pumpFor(scanTime / 4);
    second = framedKeys(tops);
    pressKey(VK_RETURN);
    EXPECT_EQ(second.count(e), 1u);
    EXPECT_LE(second.size(), 8u);
    EXPECT_TRUE(*second.begin() >= firstLetterKey && *second.rbegin() <= lastLetterKey) << "letters only";
    EXPECT_TRUE(waitUntil([&] { return framedKeys(tops) == std::set<int>{e}; }, roundsWait));
    pressKey(VK_RETURN);
    EXPECT_TRUE(waitForText(session.notepad.edit, "eC e the")) << textOf(session.notepad.edit);
    // A punctuation key, a digit (1 in the phone order chosen above) and back, each within two rounds.
    for (int key : {keyForCharacter(';'), firstPadKey + 1, backKey})
        ASSERT_TRUE(selectByScan(panel, key, VK_RETURN));
    EXPECT_TRUE(waitForText(session.notepad.edit, "eC e the;")) << textOf(session.notepad.edit);
}
