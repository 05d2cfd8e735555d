// The keyboard's user-interface thread busy for two seconds: a key typed on the hardware keyboard never waits
// for it, taps are taken at once, and each is typed once the thread is free.
#include <gtest/gtest.h>

#include "support/heldstill.h"
#include "support/keyinput.h"
#include "support/session.h"

namespace {

constexpr DWORD busyTime = 2000;
constexpr DWORD atOnce = 300;

// The strip's hardware key hook is set only while suggestions are on.
constexpr const char* withSuggestions = "[Tilfay]\r\nWord Suggestions=Y\r\n";

// One after another, as a person taps: presses of one moment share their event time, which the keyboard takes
// for one click reported twice.
void tapEach(HWND panel, const std::string& text)
{
    for (char ch : text) {
        inject(leftClickAt(centreOf(GetDlgItem(panel, keyForCharacter(ch)))));
        pumpFor(20);
    }
}

} // namespace

// Whatever keeps the thread from fetching messages (painting, loading a word list) looks the same to the
// platform as a thread held still from outside, which is what the test does. A thread that waits in
// SendMessage for another program still answers its hooks, so that is no busy thread in this sense.
// The key comes before the taps: the keyboard shares the target's input, and a key typed after the taps
// waits behind their pointer moves to the keyboard's window until the keyboard reads them.
TEST(TappingWhileTheKeyboardIsBusy, AHardwareKeyArrivesAtOnceAndTapsTypeOnceEachAfterwards)
{
    Session session;
    ASSERT_TRUE(startSession(session, withSuggestions));
    HWND edit = session.notepad.edit;
    {
        HeldStill busy({GetWindowThreadProcessId(session.keyboard.frame, nullptr)}, busyTime);
        const DWORD keyTyped = GetTickCount();
        pressKey('X');
        waitUntil([&] { return textOf(edit) == "x"; }, atOnce);
        EXPECT_LT(GetTickCount() - keyTyped, atOnce) << "notepad holds \"" << textOf(edit) << "\"";
        const DWORD tapped = GetTickCount();
        tapEach(session.keyboard.panel, "tap");
        EXPECT_LT(GetTickCount() - tapped, atOnce) << "the taps were taken while the keyboard was busy";
        EXPECT_TRUE(busy.held()) << "the keyboard was still busy";
    }
    EXPECT_TRUE(waitForText(edit, "xtap")) << textOf(edit);
    pumpFor(300);
    EXPECT_EQ(textOf(edit), "xtap") << "each tap typed once";
}
