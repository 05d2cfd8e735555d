// Switch scanning on the real keyboard with the Space switch, typing into Wine's notepad: the switch never
// reaches notepad, presses at the right highlights type a letter and a capital after shift, the highlight is
// a frame that stands out by 3:1 from the panel and the keys, the rows come in the panel's order, scanning
// rests after its rounds, the options are scanned too, a switch chosen there counts at once, and the
// predictive order chosen there offers the likely letters right after the strip and still reaches every key.
#include <gtest/gtest.h>

#include <functional>
#include <set>
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

constexpr DWORD scanTime = 800;
constexpr const char* scanSettings = "[Tilfay]\r\nSelect Keys=Scan\r\nScan Time=800\r\nScan Switch=Space\r\n"
                                     "Scan Order=Rows\r\nWord Suggestions=Y\r\n";
// Two rounds of every row of the medium panel, and some.
constexpr DWORD roundsWait = 2 * 8 * scanTime + 2000;

constexpr COLORREF standardPanel = RGB(0, 0, 64);

bool highlightedAt(int x, int y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF seen = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return contrastRatio(seen, standardPanel) >= stateContrast &&
           contrastRatio(seen, GetSysColor(COLOR_BTNFACE)) >= stateContrast;
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

using Press = std::function<void()>;

void pressSpace()
{
    pressKey(VK_SPACE);
}

Press pressing(WORD switchKey)
{
    return [switchKey] { pressKey(switchKey); };
}

// Two switch presses: one when a group holding the key is highlighted, one when the key alone is.
::testing::AssertionResult selectByScan(HWND panel, int keyId, const Press& press = pressSpace)
{
    const KeyTops tops = keyTopsOf(panel);
    if (!waitUntil([&] { return framedKeys(tops).count(keyId) == 1; }, roundsWait))
        return ::testing::AssertionFailure() << "no group of key " << keyId << " was highlighted";
    press();
    if (!waitUntil([&] { return framedKeys(tops) == std::set<int>{keyId}; }, roundsWait))
        return ::testing::AssertionFailure() << "key " << keyId << " was never highlighted alone";
    press();
    return ::testing::AssertionSuccess();
}

// A dialog's buttons are scanned one at a time.
::testing::AssertionResult pressButtonByScan(HWND dialog, int id, const Press& press)
{
    const KeyTops tops = keyTopsOf(dialog);
    if (!waitUntil([&] { return framedKeys(tops) == std::set<int>{id}; }, roundsWait))
        return ::testing::AssertionFailure() << "button " << id << " was never highlighted";
    press();
    return ::testing::AssertionSuccess();
}

bool highlightShown(DWORD keyboard)
{
    for (HWND window : topLevelWindowsOf(keyboard))
        if (className(window) == "TilfayOverlay" && IsWindowVisible(window))
            return true;
    return false;
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
    ASSERT_TRUE(selectByScan(panel, e, pressing(VK_RETURN)));
    EXPECT_TRUE(waitForText(session.notepad.edit, "eC e")) << "Enter never reaches notepad";

    // The predictive order, chosen in the options: after "th", the group right after the strip holds at most
    // eight letters with e among them, framed where they stand, and a press there and at e types it.
    ASSERT_TRUE(selectByScan(panel, menuKey, pressing(VK_RETURN)));
    options = shownDialog(waitForWindow(session.keyboard.program->id(), "#32770", optionsTitle, shortWait),
                          shortWait);
    ASSERT_NE(options, nullptr);
    clickControl(options, IDC_SCAN_ORDER);
    EXPECT_TRUE(waitUntil([] { return profileValue("Scan Order") == "Predictive"; }, shortWait));
    for (int key : {leftSpaceKey, keyForCharacter('t'), keyForCharacter('h')})
        ASSERT_TRUE(selectByScan(panel, key, pressing(VK_RETURN)));
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
        ASSERT_TRUE(selectByScan(panel, key, pressing(VK_RETURN)));
    EXPECT_TRUE(waitForText(session.notepad.edit, "eC e the;")) << textOf(session.notepad.edit);
}

// The switch user who minimises the keyboard by the switch is never locked out: nothing is scanned or typed
// while it is minimised, and one press of the switch, Space or a click, brings it back without the focus and
// without reaching notepad. After a size change, whose hooks are set again in another order, the switch still
// chooses a suggestion.
TEST(Scanning, AMinimisedKeyboardComesBackAtTheSwitchWhichTypesNothingAndTheStripStaysTheSwitchs)
{
    Session session;
    ASSERT_TRUE(startSession(
        session,
        "[Tilfay]\r\nSelect Keys=Scan\r\nScan Time=600\r\nWord Suggestions=Y\r\nScan Order=Rows\r\n"));
    const HWND frame = session.keyboard.frame;
    const HWND edit = session.notepad.edit;
    const DWORD keyboard = session.keyboard.program->id();
    const auto minimiseAndBringBack = [&](const Press& press, const char* how) {
        SCOPED_TRACE(how);
        press();
        ASSERT_TRUE(selectByScan(panelOf(frame), menuKey, press));
        HWND options = waitForWindow(keyboard, "#32770", optionsTitle, shortWait);
        ASSERT_TRUE(pressButtonByScan(options, IDC_MINIMIZE_KEYBOARD, press));
        ASSERT_TRUE(waitUntil([&] { return IsIconic(frame) != FALSE; }, shortWait));
        const std::string before = settledText(edit);
        pumpFor(3 * scanTime);
        EXPECT_FALSE(highlightShown(keyboard)) << "nothing is scanned while minimised";
        press();
        EXPECT_TRUE(waitUntil([&] { return !IsIconic(frame) && IsWindowVisible(frame); }, shortWait));
        EXPECT_EQ(settledText(edit), before) << "the press that brings it back types nothing";
        EXPECT_TRUE(hasTheFocus(session.notepad.window, edit));
        ASSERT_TRUE(selectByScan(panelOf(frame), keyForCharacter('e'), press));
        EXPECT_TRUE(waitForText(edit, before + "e")) << textOf(edit);
    };
    minimiseAndBringBack(pressSpace, "Space");

    tapKey(panelOf(frame), menuKey);
    clickControl(shownDialog(waitForWindow(keyboard, "#32770", optionsTitle, shortWait), shortWait),
                 IDC_LARGE_SIZE);
    ASSERT_TRUE(waitUntil([] { return profileValue("Size") == "Large"; }, shortWait));
    session.typed = textOf(edit);
    ASSERT_TRUE(typingGoesOn(session));
    HWND strip = FindWindowExA(frame, nullptr, "TilfayStrip", nullptr);
    typeOnKeyboard(panelOf(frame), " th");
    ASSERT_TRUE(waitUntil([&] { return !offeredIn(strip).empty(); }, shortWait));
    const std::string word = offeredIn(strip)[0];
    const std::string before = settledText(edit);
    const RECT cells = screenRectOf(strip);
    const RECT first{cells.left, cells.top, cells.left + (cells.right - cells.left) / 4, cells.bottom};
    pressSpace();
    ASSERT_TRUE(waitUntil([&] { return highlightedAt(first.left + 20, first.top + 1); }, roundsWait));
    pressSpace();
    ASSERT_TRUE(waitUntil([&] { return !highlightedAt(first.right + 20, first.top + 1); }, roundsWait));
    pressSpace();
    EXPECT_TRUE(waitForText(edit, before.substr(0, before.size() - 2) + word + " ")) << textOf(edit);

    // Enter, then Click: from then on every click is the switch.
    for (const char* next : {"Enter", "Click"}) {
        tapKey(panelOf(frame), menuKey);
        clickControl(shownDialog(waitForWindow(keyboard, "#32770", optionsTitle, shortWait), shortWait),
                     IDC_SCAN_SWITCH);
        ASSERT_TRUE(waitUntil([&] { return profileValue("Scan Switch") == next; }, shortWait));
        ASSERT_TRUE(waitUntil([&] { return hasTheFocus(session.notepad.window, edit); }, shortWait));
    }
    const RECT text = screenRectOf(edit);
    const POINT inTheText{text.left + 12, text.top + 8};
    minimiseAndBringBack([&] { inject(leftClickAt(inTheText)); },
                         "a click in the text, which never moves the caret");
}
