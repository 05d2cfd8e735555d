// Where the taps go: to the application that last had the focus, and, when there is none, nowhere but
// into a box that asks the user to place the insertion point first.
#include <gtest/gtest.h>

#include <algorithm>

#include "keys/keytables.h"
#include "support/keyboardparts.h"
#include "support/keyrecord.h"
#include "support/session.h"
#include "support/tapping.h"

namespace {

constexpr RECT notepadPlace{0, 0, 480, 400};
constexpr int cancelOptionsButton = 110;

constexpr const char* noTargetCaption = "Tilfay Keyboard";
constexpr const char* noTargetText = "Place the insertion point in the application\r\n"
                                     "where you want to insert text before tapping\r\n"
                                     "on keys of the keyboard";

// Beside the recorder, so that a click into its edit control lands there.
Notepad startPlacedNotepad()
{
    Notepad notepad = startNotepad();
    SetWindowPos(notepad.window, nullptr, notepadPlace.left, notepadPlace.top,
                 notepadPlace.right - notepadPlace.left, notepadPlace.bottom - notepadPlace.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return notepad;
}

HWND waitForNoTargetBox(const RunningKeyboard& keyboard)
{
    return shownDialog(waitForMessageBox(keyboard.program->id(), noTargetCaption, shortWait), shortWait);
}

bool isTopmost(HWND window)
{
    return GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST;
}

// The box has gone and the keyboard is back, restored and topmost.
void expectKeyboardBack(const RunningKeyboard& keyboard, HWND box)
{
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(box); }, shortWait));
    EXPECT_TRUE(
        waitUntil([&] { return !IsIconic(keyboard.frame) && IsWindowVisible(keyboard.frame); }, shortWait));
    EXPECT_TRUE(isTopmost(keyboard.frame));
}

// A new notepad that the keyboard types into once it has been clicked into.
void expectTypingIntoANewNotepad(const RunningKeyboard& keyboard)
{
    Notepad notepad = startPlacedNotepad();
    ASSERT_NE(notepad.edit, nullptr);
    focusByClick(notepad.edit);
    typeOnKeyboard(keyboard.panel, "ok");
    EXPECT_TRUE(waitForText(notepad.edit, "ok")) << textOf(notepad.edit);
}

// A window of the test's own that counts the clicks reaching it; they never activate it, so the focus stays
// where it was.
int bystanderClicks;

LRESULT CALLBACK bystanderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEACTIVATE)
        return MA_NOACTIVATE;
    if (message == WM_LBUTTONUP)
        ++bystanderClicks;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createBystander()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = bystanderProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "Bystander";
    RegisterClassA(&windowClass);
    return CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "Bystander", "",
                           WS_POPUP | WS_BORDER | WS_VISIBLE, 0, 450, 200, 100, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

bool hasLine(const KeyRecorder& recorder, const char* line)
{
    const KeyLines lines = journalLines(recorder.journal);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Notepad and the recorder side by side, and the keyboard.
class TwoApplications : public ::testing::Test {
protected:
    void SetUp() override
    {
        notepad = startPlacedNotepad();
        ASSERT_NE(notepad.edit, nullptr);
        recorder = startKeyRecorder();
        ASSERT_NE(recorder.window, nullptr);
        keyboard = startKeyboard();
        ASSERT_NE(keyboard.panel, nullptr);
    }

    // Notepad's edit control takes two clicks at one place within the double-click time for a double click,
    // even with a click into another application between them, and would select the word there.
    void clickBackIntoNotepad()
    {
        pumpFor(GetDoubleClickTime());
        focusByClick(notepad.edit);
    }

    KeyLines recorderStrokes()
    {
        return strokesOf(journalLines(recorder.journal));
    }

    Notepad notepad;
    KeyRecorder recorder;
    RunningKeyboard keyboard;
};

} // namespace

TEST_F(TwoApplications, TapsGoToTheApplicationThatLastHadTheFocus)
{
    focusByClick(notepad.edit);
    typeOnKeyboard(keyboard.panel, "a");
    EXPECT_TRUE(waitForText(notepad.edit, "a")) << textOf(notepad.edit);

    focusRecorderByClick(recorder);
    typeOnKeyboard(keyboard.panel, "b");
    EXPECT_TRUE(waitUntil([&] { return recorderStrokes() == keystroke('B'); }, shortWait));

    clickBackIntoNotepad();
    typeOnKeyboard(keyboard.panel, "c");
    EXPECT_TRUE(waitForText(notepad.edit, "ac")) << textOf(notepad.edit);
    EXPECT_EQ(recorderStrokes(), keystroke('B')) << "the recorder got nothing more";
}

// The box and the options open in the middle of the screen, where the X pointer starts: Wine moves its cursor
// back to the X pointer when a window appears under it, and an injected click on OK would be lost.
TEST(NoTarget, ATapAfterTheTargetClosedAsksForAnInsertionPointWithTheKeyboardMinimised)
{
    parkXPointer();
    Notepad notepad = startPlacedNotepad();
    ASSERT_NE(notepad.edit, nullptr);
    RunningKeyboard keyboard = startKeyboard();
    ASSERT_NE(keyboard.panel, nullptr);
    focusByClick(notepad.edit);
    typeOnKeyboard(keyboard.panel, "a");
    ASSERT_TRUE(waitForText(notepad.edit, "a"));
    notepad.program->end();

    typeOnKeyboard(keyboard.panel, "b");
    HWND box = waitForNoTargetBox(keyboard);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(messageBoxText(box), noTargetText);
    EXPECT_EQ(GetWindow(box, GW_OWNER), keyboard.frame);
    EXPECT_TRUE(IsIconic(keyboard.frame)) << "minimised while the box shows";

    clickAt(centreOf(GetDlgItem(box, IDOK)));
    expectKeyboardBack(keyboard, box);
    expectTypingIntoANewNotepad(keyboard);
}

TEST(NoTarget, ATapBeforeAnyApplicationHadTheFocusAsksForOne)
{
    parkXPointer();
    RunningKeyboard keyboard = startKeyboard();
    ASSERT_NE(keyboard.panel, nullptr);
    typeOnKeyboard(keyboard.panel, "z");
    HWND box = waitForNoTargetBox(keyboard);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(messageBoxText(box), noTargetText);
    EXPECT_TRUE(IsIconic(keyboard.frame));

    pressMessageBoxOk(box);
    expectKeyboardBack(keyboard, box);
    expectTypingIntoANewNotepad(keyboard);
}

TEST(NoTarget, TheMenuKeyOpensTheOptionsWithoutATarget)
{
    parkXPointer();
    RunningKeyboard keyboard = startKeyboard();
    ASSERT_NE(keyboard.panel, nullptr);
    tapKey(keyboard.panel, menuKey);
    HWND options = waitForWindow(keyboard.program->id(), "#32770", "Tilfay Keyboard Options", shortWait);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(waitForNoTargetBox(keyboard), nullptr);
    clickAt(centreOf(GetDlgItem(options, cancelOptionsButton)));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(options); }, shortWait));
    EXPECT_FALSE(IsIconic(keyboard.frame));
}

// The recorder stops answering half a second after it has the focus, for 10 s; after 5 s the platform counts
// it as hung.
TEST(HungTarget, TapsWaitInTheInputStreamUntilItWakesWhileTheKeyboardAndOtherClicksGoOn)
{
    KeyRecorder recorder = startKeyRecorder(true);
    ASSERT_NE(recorder.window, nullptr);
    RunningKeyboard keyboard = startKeyboard();
    ASSERT_NE(keyboard.panel, nullptr);
    HWND bystander = createBystander();
    focusRecorderByClick(recorder);
    ASSERT_TRUE(waitUntil([&] { return hasLine(recorder, "sleep 00"); }, shortWait));
    const DWORD asleep = GetTickCount();
    typeOnKeyboard(keyboard.panel, "til");
    ASSERT_TRUE(waitUntil([&] { return IsHungAppWindow(recorder.window); }, 7000));
    typeOnKeyboard(keyboard.panel, "fay");
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutA(keyboard.panel, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result), 0u)
        << "the keyboard's panel answers";
    inject(leftClickAt(centreOf(bystander)));
    EXPECT_TRUE(waitUntil([&] { return bystanderClicks == 1; }, 1000)) << "another window's click waits";
    EXPECT_LT(GetTickCount() - asleep, 9500u) << "the target woke before the test was done";
    EXPECT_TRUE(waitUntil([&] { return charactersOf(journalLines(recorder.journal)) == "tilfay"; }, longWait))
        << ::testing::PrintToString(journalLines(recorder.journal));
    DestroyWindow(bystander);
}
