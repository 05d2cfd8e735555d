// Hover selection on the real keyboard, typing into Wine's notepad with real pointer moves: a rest types a
// key once, passing over keys types nothing, latches and clicks work as with taps, a long rest holds, and the
// options are used by hover too.
#include <gtest/gtest.h>

#include <string>

#include "keys/keytables.h"
#include "resources/resource.h"
#include "support/keyboardparts.h"
#include "support/session.h"
#include "support/settingsfile.h"
#include "support/winprocess.h"

namespace {

constexpr DWORD hoverTime = 600;
constexpr const char* hoverSettings = "[Tilfay]\r\nSelect Keys=Hover\r\nHover Time=600\r\n";

POINT keyCentre(HWND panel, int keyId)
{
    return centreOf(GetDlgItem(panel, keyId));
}

// The pointer glides from where it is to the point in small steps, as a hand moves it, never resting.
void glideTo(POINT from, POINT to)
{
    constexpr int steps = 12;
    for (int i = 1; i <= steps; ++i) {
        moveXPointerTo(POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    }
}

class Hovering : public ::testing::Test {
protected:
    void startWith(const std::string& settings)
    {
        setKeyboardRepeat(0, 15);
        ASSERT_TRUE(startSession(session, settings));
        panel = session.keyboard.panel;
        here = keyCentre(panel, keyForCharacter('z'));
        moveXPointerTo(here);
    }

    void restOn(int keyId, DWORD milliseconds)
    {
        const POINT to = keyCentre(panel, keyId);
        glideTo(here, to);
        here = to;
        pumpFor(milliseconds);
    }

    HWND edit() const
    {
        return session.notepad.edit;
    }

    Session session;
    HWND panel = nullptr;
    POINT here{};
};

} // namespace

TEST_F(Hovering, ARestTypesOnceGlidingTypesNothingLatchesClicksAndALongRestOnBackRepeats)
{
    startWith(hoverSettings);
    // Starting on z types nothing: the gliding away from it leaves before its time.
    restOn(keyForCharacter('e'), 3 * hoverTime);
    EXPECT_EQ(settledText(edit()), "e") << "a rest types once however long, and the way there types nothing";
    restOn(shiftKey, hoverTime + 300);
    restOn(keyForCharacter('c'), hoverTime + 300);
    EXPECT_EQ(settledText(edit()), "eC") << "hover shift, then c";

    const POINT d = keyCentre(panel, keyForCharacter('d'));
    glideTo(here, d);
    here = d;
    HANDLE click = startXServerClickAt(d, 0);
    pumpFor(2 * hoverTime + 300);
    WaitForSingleObject(click, shortWait);
    CloseHandle(click);
    EXPECT_EQ(settledText(edit()), "eCd") << "a click types at once and is the visit's press";

    const std::string longLine(60, 'x');
    SendMessageA(edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longLine.c_str()));
    SendMessageA(edit(), EM_SETSEL, longLine.size(), longLine.size());
    restOn(backKey, 2 * hoverTime + 700);
    parkXPointer();
    EXPECT_LE(settledText(edit()).size(), longLine.size() - 3)
        << "resting on back past two Hover Times repeats";
    EXPECT_TRUE(hasTheFocus(session.notepad.window, edit()))
        << "the pointer's moves never activate the keyboard";

    // The options by hover: the menu key opens them, and resting on "Click On Keys" goes back to clicks.
    restOn(menuKey, hoverTime + 300);
    HWND options = waitForWindow(session.keyboard.program->id(), "#32770", optionsTitle, shortWait);
    ASSERT_NE(options, nullptr);
    HWND clickOnKeys = GetDlgItem(options, IDC_SELECT_FIRST);
    EXPECT_EQ(windowText(clickOnKeys), "Click On Keys");
    glideTo(here, centreOf(clickOnKeys));
    here = centreOf(clickOnKeys);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(options); }, 2 * hoverTime + 1000))
        << "a rest presses a button";
    EXPECT_TRUE(waitUntil([] { return profileValue("Select Keys") == "Click"; }, shortWait))
        << "and is saved";
    SendMessageA(edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    restOn(keyForCharacter('e'), 3 * hoverTime);
    parkXPointer();
    EXPECT_EQ(settledText(edit()), "") << "with Select Keys=Click a rest types nothing";
}

// Tried as a new user would: long rests on letters and a latch type one letter each, a long rest on back
// stops when the pointer leaves, a click as a rest runs out types once, options that open under a still
// pointer are not pressed by it, and the keyboard at rest in Hover or Scan mode costs no more processor
// time than in Click mode.
TEST_F(Hovering, ARestNeverFloodsPressesNothingThatOpenedUnderItAndCostsNothingIdle)
{
    startWith("[Tilfay]\r\nHover Time=600\r\n");
    constexpr DWORD idleTime = 20000;
    constexpr double idleTolerance = 40;
    const auto idleCost = [&] {
        const DWORD keyboard = session.keyboard.program->id();
        const double start = threadTimeOf(keyboard);
        pumpFor(idleTime);
        return threadTimeOf(keyboard) - start;
    };
    const auto chooseOption = [&](int id) {
        tapKey(panel, menuKey);
        HWND options = shownDialog(
            waitForWindow(session.keyboard.program->id(), "#32770", optionsTitle, shortWait), shortWait);
        if (options)
            clickControl(options, id);
        parkXPointer();
        here = POINT{GetSystemMetrics(SM_CXSCREEN) - 1, 0};
        return options && waitUntil([&] { return !IsWindow(options); }, shortWait);
    };
    const POINT overNotepad = centreOf(edit());
    const auto leave = [&] {
        glideTo(here, overNotepad);
        here = overNotepad;
    };
    restOn(keyForCharacter('b'), 500);
    const double clickCost = idleCost();
    ASSERT_TRUE(chooseOption(IDC_SELECT_FIRST)) << "Hover Over Keys";

    restOn(keyForCharacter('b'), 3000);
    leave();
    restOn(keyForCharacter('m'), 3000);
    leave();
    restOn(shiftKey, hoverTime + 300);
    restOn(keyForCharacter('p'), 3000);
    leave();
    pumpFor(1500);
    EXPECT_EQ(settledText(edit()), "bmP") << "a long rest types once, and nothing comes after it";

    const std::string line(200, 'x');
    SendMessageA(edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(edit(), EM_SETSEL, line.size(), line.size());
    restOn(backKey, 2600);
    leave();
    pumpFor(500);
    const size_t left = textOf(edit()).size();
    EXPECT_LE(left, line.size() - 2) << "a long rest on back repeats";
    pumpFor(1500);
    EXPECT_EQ(textOf(edit()).size(), left) << "and stops when the pointer leaves";

    SendMessageA(edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    restOn(keyForCharacter('d'), hoverTime + 40);
    HANDLE click = startXServerClickAt(here, 0);
    WaitForSingleObject(click, shortWait);
    CloseHandle(click);
    leave();
    EXPECT_EQ(settledText(edit()), "d") << "a click as the rest runs out is that rest's press";

    restOn(keyForCharacter('b'), 1000);
    EXPECT_LE(idleCost(), clickCost + idleTolerance) << "resting on a key it has pressed";
    EXPECT_EQ(settledText(edit()), "db");

    // The keyboard is moved so that its menu key stands where the options' Cancel button opens.
    tapKey(panel, menuKey);
    HWND options = shownDialog(
        waitForWindow(session.keyboard.program->id(), "#32770", optionsTitle, shortWait), shortWait);
    ASSERT_NE(options, nullptr);
    const POINT cancel = centreOf(GetDlgItem(options, IDC_CANCEL_OPTIONS));
    const POINT menu = keyCentre(panel, menuKey);
    const RECT place = screenRectOf(session.keyboard.frame);
    clickControl(options, IDC_CANCEL_OPTIONS);
    clickAt(centreOf(GetDlgItem(captionBarOf(session.keyboard.frame), IDC_CAPTION_CLOSE)));
    ASSERT_EQ(session.keyboard.program->waitForExit(longWait), 0u);
    writeSetting("Position X", std::to_string(place.right + cancel.x - menu.x).c_str());
    writeSetting("Position Y", std::to_string(place.bottom + cancel.y - menu.y).c_str());
    session.keyboard = startKeyboard();
    panel = session.keyboard.panel;
    ASSERT_NE(panel, nullptr);
    focusByClick(edit());
    restOn(menuKey, hoverTime + 500);
    options = waitForWindow(session.keyboard.program->id(), "#32770", optionsTitle, shortWait);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(WindowFromPoint(here), GetDlgItem(options, IDC_CANCEL_OPTIONS));
    pumpFor(3 * hoverTime);
    EXPECT_TRUE(IsWindow(options)) << "a button that came under the still pointer is not pressed";
    leave();
    glideTo(here, cancel);
    here = cancel;
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(options); }, 2 * hoverTime + 1000))
        << "until the pointer comes";

    ASSERT_TRUE(chooseOption(IDC_SELECT_SECOND)) << "Scan Through Keys";
    EXPECT_LE(idleCost(), clickCost + idleTolerance) << "scanning at rest";
    EXPECT_TRUE(hasTheFocus(session.notepad.window, edit()));
}
