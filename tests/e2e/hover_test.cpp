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
