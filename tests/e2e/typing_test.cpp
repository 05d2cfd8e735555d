// Typing into Wine's notepad with real taps on the real keyboard.
#include <gtest/gtest.h>

#include "keys/keytables.h"
#include "support/display.h"
#include "support/heldstill.h"
#include "support/session.h"
#include "support/settingsfile.h"
#include "support/tapping.h"

namespace {

void setSetting(const char* key, const char* value)
{
    writeSetting(key, value);
}

// Notepad with the focus, the real keyboard beside it, targeting notepad.
class TypingIntoNotepad : public ::testing::Test {
protected:
    void SetUp() override
    {
        notepad = startNotepad();
        ASSERT_NE(notepad.edit, nullptr);
        keyboard = startKeyboard();
        ASSERT_NE(keyboard.panel, nullptr);
        focusByClick(notepad.edit);
        ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == notepad.window; }, shortWait));
    }

    void type(const std::string& text)
    {
        typeOnKeyboard(keyboard.panel, text);
    }

    bool lightShows(int lightId)
    {
        return IsWindowVisible(GetDlgItem(keyboard.panel, lightId));
    }

    Notepad notepad;
    RunningKeyboard keyboard;
};

// Left presses that pass a low-level hook of the test's own, set after the keyboard's: only a hook set later,
// which is called before it, can take a press away from it.
int pressesPassed;

LRESULT CALLBACK countPress(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == WM_LBUTTONDOWN)
        ++pressesPassed;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Windows drops a low-level hook that took too long, and Wine passes input on without a hook that has not
// answered for 2 s: every thread of the keyboard, its hook thread among them, is held still while the
// click's press and release each wait that long, and then they go on.
void pastTheHook(const Program& keyboard, const Inputs& inputs)
{
    HeldStill still(threadsOf(keyboard.id()), 5000);
    inject(inputs);
}

// The medium panel's lights carry the ids of the 6-pixel bitmaps.
constexpr int shiftLight = 351;
constexpr int ctrlLight = 341;

} // namespace

TEST_F(TypingIntoNotepad, ASentenceWithEveryPunctuationKeyArrivesExactly)
{
    type("tilfay types");
    tapKey(keyboard.panel, rightSpaceKey);
    type("all!?:;-,.&()'\"<>x\b\nok");
    EXPECT_TRUE(waitForText(notepad.edit, "tilfay types all!?:;-,.&()'\"<>\r\nok")) << textOf(notepad.edit);
    EXPECT_EQ(GetForegroundWindow(), notepad.window) << "a tap never activates the keyboard";
}

// The modifiers go up with the key-up events, behind the keystroke in the target's queue: a shifted
// character typed right after another still finds its shift when the target translates it.
TEST_F(TypingIntoNotepad, ShiftedCharactersTypedInARowEachKeepTheirShift)
{
    const std::string shifted = "?!?:\"?<>?!";
    type(shifted + shifted);
    EXPECT_TRUE(waitForText(notepad.edit, shifted + shifted)) << textOf(notepad.edit);
}

TEST_F(TypingIntoNotepad, ShiftLatchesForOneLetterOnly)
{
    tapKey(keyboard.panel, shiftKey);
    EXPECT_TRUE(waitUntil([&] { return lightShows(shiftLight); }, shortWait)) << "the light shows the latch";
    type("ab");
    EXPECT_TRUE(waitForText(notepad.edit, "Ab")) << textOf(notepad.edit);
    EXPECT_FALSE(lightShows(shiftLight));
}

TEST_F(TypingIntoNotepad, ASecondTapCancelsALatch)
{
    tapKey(keyboard.panel, ctrlKey);
    EXPECT_TRUE(waitUntil([&] { return lightShows(ctrlLight); }, shortWait));
    tapKey(keyboard.panel, ctrlKey);
    EXPECT_TRUE(waitUntil([&] { return !lightShows(ctrlLight); }, shortWait));
    type("a");
    EXPECT_TRUE(waitForText(notepad.edit, "a")) << textOf(notepad.edit);
}

TEST_F(TypingIntoNotepad, CtrlWithALetterReachesTheApplicationAsTheControlCombination)
{
    type("old text");
    ASSERT_TRUE(waitForText(notepad.edit, "old text"));
    tapKey(keyboard.panel, ctrlKey);
    type("a");
    type("new");
    EXPECT_TRUE(waitForText(notepad.edit, "new")) << textOf(notepad.edit);
}

TEST_F(TypingIntoNotepad, CapLocksUpperCaseAndShiftInvertsIt)
{
    tapKey(keyboard.panel, capKey);
    type("ab");
    tapKey(keyboard.panel, shiftKey);
    type("c");
    tapKey(keyboard.panel, capKey);
    type("d");
    EXPECT_TRUE(waitForText(notepad.edit, "ABcd")) << textOf(notepad.edit);
}

TEST_F(TypingIntoNotepad, NumTurnsThePadIntoANavigationPad)
{
    type("bc");
    tapKey(keyboard.panel, numKey);
    tapKey(keyboard.panel, 101); // Home
    tapKey(keyboard.panel, numKey);
    type("a");
    tapKey(keyboard.panel, numKey);
    tapKey(keyboard.panel, 114);    // Right
    tapKey(keyboard.panel, 100);    // grave accent
    tapKey(keyboard.panel, 102);    // Left
    tapKey(keyboard.panel, delKey); // ins: notepad's edit ignores it
    tapKey(keyboard.panel, numKey);
    tapKey(keyboard.panel, 101);
    EXPECT_TRUE(waitForText(notepad.edit, "ab7`c")) << textOf(notepad.edit);
    tapKey(keyboard.panel, delKey);
    EXPECT_TRUE(waitForText(notepad.edit, "ab7c")) << textOf(notepad.edit);
}

// Without the extended flag a shifted arrow is the number pad's, which moves without selecting.
TEST_F(TypingIntoNotepad, ShiftWithANavigationKeySelectsOneCharacter)
{
    type("abc");
    tapKey(keyboard.panel, numKey);
    tapKey(keyboard.panel, 101); // Home
    tapKey(keyboard.panel, shiftKey);
    tapKey(keyboard.panel, 114); // Right
    tapKey(keyboard.panel, numKey);
    type("x");
    EXPECT_TRUE(waitForText(notepad.edit, "xbc")) << textOf(notepad.edit);
}

TEST(TypingWithSettings, CapWithAHardwareKeyboardSetsCapsLockForTheApplication)
{
    setSetting("Hardware Keyboard", "Y");
    Notepad notepad = startNotepad();
    RunningKeyboard keyboard = startKeyboard();
    ASSERT_NE(keyboard.panel, nullptr);
    focusByClick(notepad.edit);
    tapKey(keyboard.panel, capKey);
    typeOnKeyboard(keyboard.panel, "ab");
    tapKey(keyboard.panel, shiftKey);
    typeOnKeyboard(keyboard.panel, "c");
    EXPECT_TRUE(waitForText(notepad.edit, "ABc")) << textOf(notepad.edit);
}

TEST(TypingWithSettings, ThePhoneOrderTypesOneOnTheFirstDigitKey)
{
    setSetting("Phone", "Y");
    Notepad notepad = startNotepad();
    RunningKeyboard keyboard = startKeyboard();
    ASSERT_NE(keyboard.panel, nullptr);
    focusByClick(notepad.edit);
    tapKey(keyboard.panel, 101);
    tapKey(keyboard.panel, 103);
    tapKey(keyboard.panel, 110);
    EXPECT_TRUE(waitForText(notepad.edit, "170")) << textOf(notepad.edit);
}

TEST(TypingWithSettings, CapsLockFromTheKeyboardFollowsTheFocusToAnotherApplication)
{
    setSetting("Hardware Keyboard", "Y");
    Notepad first = startNotepad();
    SetWindowPos(first.window, nullptr, 0, 0, 480, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    Notepad second = startNotepad();
    SetWindowPos(second.window, nullptr, 500, 0, 480, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    RunningKeyboard keyboard = startKeyboard();
    ASSERT_NE(keyboard.panel, nullptr);
    focusByClick(first.edit);
    tapKey(keyboard.panel, capKey);
    typeOnKeyboard(keyboard.panel, "a");
    EXPECT_TRUE(waitForText(first.edit, "A")) << textOf(first.edit);
    focusByClick(second.edit);
    typeOnKeyboard(keyboard.panel, "b");
    EXPECT_TRUE(waitForText(second.edit, "B")) << textOf(second.edit);
}

// At 150 % the keyboard grows; the pointer's pixels and the keyboard's must still agree.
TEST(TypingOnAScaledDisplay, ASentenceTypedByRealTapsArrivesAt144Dpi)
{
    ASSERT_TRUE(setDisplayScale(144));
    Session session;
    ASSERT_TRUE(startSession(session));
    const RECT panel = screenRectOf(session.keyboard.panel);
    EXPECT_GT(panel.right - panel.left, 500) << "the medium panel, 358 pixels wide at 96 dpi, grows";
    typeWithKeyboard(session, "Scaled taps, every one lands!");
    EXPECT_TRUE(waitForText(session.notepad.edit, session.typed)) << textOf(session.notepad.edit);
}

TEST_F(TypingIntoNotepad, AKeyPressedPastTheHookStillTypesAndTheHookComesBack)
{
    pressesPassed = 0;
    HHOOK watch = SetWindowsHookExA(WH_MOUSE_LL, countPress, GetModuleHandleA(nullptr), 0);
    pastTheHook(*keyboard.program, leftClickAt(centreOf(GetDlgItem(keyboard.panel, keyForCharacter('q')))));
    EXPECT_TRUE(waitForText(notepad.edit, "q")) << textOf(notepad.edit);
    EXPECT_EQ(pressesPassed, 1) << "the press went past the keyboard's hook";
    EXPECT_EQ(GetForegroundWindow(), notepad.window) << "the keyboard was activated";
    inject(leftClickAt(centreOf(GetDlgItem(keyboard.panel, keyForCharacter('w')))));
    EXPECT_TRUE(waitForText(notepad.edit, "qw")) << textOf(notepad.edit);
    EXPECT_EQ(pressesPassed, 1) << "a hook set afresh takes the next tap first";
    EXPECT_EQ(GetForegroundWindow(), notepad.window);
    UnhookWindowsHookEx(watch);

    // A pen that slides off the key it pressed past the hook still releases it.
    HWND shift = GetDlgItem(keyboard.panel, shiftKey);
    const auto drawnPressed = [&] { return (SendMessageA(shift, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; };
    pastTheHook(*keyboard.program, leftPressAt(centreOf(shift)));
    ASSERT_TRUE(waitUntil(drawnPressed, shortWait));
    inject(leftReleaseAt(centreOf(notepad.edit)));
    EXPECT_TRUE(waitUntil([&] { return !drawnPressed() && lightShows(shiftLight); }, shortWait))
        << "the key is drawn released and its light shows the latch";
}
