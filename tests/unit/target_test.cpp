// Target tracking with windows of other threads of the test: the focus reports move the target and the
// input attachment, and a tap without a live target asks the frame for one instead of typing.
#include <gtest/gtest.h>

#include <vector>

#include "caption/bitmapcontrols.h"
#include "keys/keytables.h"
#include "panel/keypress.h"
#include "panel/panel.h"
#include "typing/target.h"
#include "state/appstate.h"
#include "state/message.h"
#include "support/testframe.h"
#include "support/windowthread.h"
#include "support/winprocess.h"

namespace {

constexpr int zKey = 11;
constexpr DWORD deliveryTime = 200;

// Every key event that enters the system's input stream, as a low-level hook of this thread sees it.
std::vector<DWORD> keyEventsSeen;

LRESULT CALLBACK watchKeys(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION)
        keyEventsSeen.push_back(reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BYTE keyState(int vk)
{
    BYTE state[256];
    GetKeyboardState(state);
    return state[vk];
}

void setKeyState(int vk, BYTE value)
{
    BYTE state[256];
    GetKeyboardState(state);
    state[vk] = value;
    SetKeyboardState(state);
}

// The real panel in a stand-in frame; the reports and presses go to it as the hook library sends them.
class TrackingTheTarget : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = createTestKeyboard(3);
        panel = app.keyboardPanel;
        ASSERT_NE(panel, nullptr);
        keyWatch = SetWindowsHookExA(WH_KEYBOARD_LL, watchKeys, GetModuleHandleA(nullptr), 0);
        ASSERT_NE(keyWatch, nullptr);
    }

    void TearDown() override
    {
        UnhookWindowsHookEx(keyWatch);
        DestroyWindow(frame);
    }

    void report(HWND window)
    {
        SendMessageA(panel, MSG_FOCUS_CHANGE, reinterpret_cast<WPARAM>(window), 0);
    }

    // A press at the key's centre and its release, then time for any keystroke to go through. Returns what
    // the press posted to the frame, 0 for nothing, taken from the queue before the frame could handle it.
    UINT tap(int keyId)
    {
        RECT key;
        RECT whole;
        GetWindowRect(GetDlgItem(panel, keyId), &key);
        GetWindowRect(panel, &whole);
        const int x = (key.left + key.right) / 2 - whole.left;
        const int y = (key.top + key.bottom) / 2 - whole.top;
        keyEventsSeen.clear();
        SendMessageA(panel, MSG_KEY_PRESS, 0, MAKELPARAM(x, y));
        SendMessageA(panel, MSG_KEY_RELEASE, 0, 0);
        MSG posted{};
        PeekMessageA(&posted, frame, MSG_SHOW_OPTIONS, MSG_NO_TARGET, PM_REMOVE);
        pumpFor(deliveryTime);
        return posted.message;
    }

    // While this thread's input is attached to the other's, the two have one focus.
    static bool sharesInputWith(const WindowThread& other)
    {
        return other.focus() && GetFocus() == other.focus();
    }

    HWND frame = nullptr;
    HWND panel = nullptr;
    HHOOK keyWatch = nullptr;
    WindowThread first;
    WindowThread second;
};

} // namespace

TEST_F(TrackingTheTarget, TheFirstReportMakesTheWindowTheTargetAndSharesItsInput)
{
    HWND window = first.createFocusedWindow();
    ASSERT_EQ(first.focus(), window);
    EXPECT_FALSE(sharesInputWith(first));
    EXPECT_EQ(onFocusChange(window), TRUE);
    EXPECT_EQ(app.targetWindow, window);
    EXPECT_TRUE(sharesInputWith(first));
}

TEST_F(TrackingTheTarget, ARepeatedReportLeavesTheSharedKeyboardStateAlone)
{
    HWND window = first.createFocusedWindow();
    report(window);
    setKeyState(VK_CAPITAL, 1);
    report(window);
    EXPECT_EQ(keyState(VK_CAPITAL), 1) << "attaching again would have cleared the shared state";
    EXPECT_EQ(app.targetWindow, window);
    EXPECT_TRUE(sharesInputWith(first));
}

TEST_F(TrackingTheTarget, CapsLockSetByCapStaysOnInEachNewTarget)
{
    app.hardwareKeyboard = 1;
    latches.capsLatch = 1;
    report(first.createFocusedWindow());
    EXPECT_EQ(keyState(VK_CAPITAL), 1);
    report(second.createFocusedWindow());
    EXPECT_EQ(keyState(VK_CAPITAL), 1) << "attaching cleared the shared state";
}

TEST_F(TrackingTheTarget, WithoutAHardwareKeyboardCapsLockIsLeftToTheTarget)
{
    latches.capsLatch = 1;
    report(first.createFocusedWindow());
    EXPECT_EQ(keyState(VK_CAPITAL), 0);
}

TEST_F(TrackingTheTarget, FocusMovingToAnotherThreadMovesTheAttachment)
{
    HWND one = first.createFocusedWindow();
    HWND other = second.createFocusedWindow();
    report(one);
    report(other);
    EXPECT_EQ(app.targetWindow, other);
    EXPECT_TRUE(sharesInputWith(second));
    EXPECT_FALSE(sharesInputWith(first));
}

TEST_F(TrackingTheTarget, FocusMovingWithinOneThreadKeepsItAttached)
{
    HWND one = first.createFocusedWindow();
    report(one);
    HWND another = first.createFocusedWindow();
    report(another);
    EXPECT_EQ(app.targetWindow, another);
    EXPECT_TRUE(sharesInputWith(first));
    tap(zKey);
    EXPECT_EQ(keyEventsSeen, (std::vector<DWORD>{'Z', 'Z'})) << "the new window is typed into";
}

TEST_F(TrackingTheTarget, AReportOfNoWindowDetachesAndLeavesNoTarget)
{
    report(first.createFocusedWindow());
    report(nullptr);
    EXPECT_EQ(app.targetWindow, nullptr);
    EXPECT_FALSE(sharesInputWith(first));
    EXPECT_EQ(tap(zKey), MSG_NO_TARGET);
    EXPECT_TRUE(keyEventsSeen.empty());
    EXPECT_EQ(tap(shiftKey), MSG_NO_TARGET);
    EXPECT_EQ(latches.shiftLatch, 0) << "no latch changes without a target";
    EXPECT_EQ(tap(menuKey), MSG_SHOW_OPTIONS) << "the menu key needs no target";
}

TEST_F(TrackingTheTarget, ADestroyedTargetsThreadIsStillDetachedWhenTheFocusMovesOn)
{
    HWND window = first.createFocusedWindow();
    report(window);
    first.destroyWindow(window);
    report(nullptr);
    first.createFocusedWindow();
    EXPECT_FALSE(sharesInputWith(first)) << "the old target's thread stayed attached";
}

TEST_F(TrackingTheTarget, ATapAfterTheTargetIsDestroyedAsksForATargetInsteadOfTyping)
{
    HWND window = first.createFocusedWindow();
    report(window);
    EXPECT_EQ(tap(zKey), 0u);
    ASSERT_EQ(keyEventsSeen, (std::vector<DWORD>{'Z', 'Z'})) << "the live target is typed into";
    first.destroyWindow(window);
    EXPECT_EQ(tap(zKey), MSG_NO_TARGET);
    EXPECT_TRUE(keyEventsSeen.empty());
    EXPECT_EQ(app.targetWindow, window) << "kept until the next report";
    report(second.createFocusedWindow());
    EXPECT_EQ(tap(zKey), 0u);
    EXPECT_EQ(keyEventsSeen, (std::vector<DWORD>{'Z', 'Z'})) << "typing goes on in the next target";
}

// Attaching to a thread that does not answer can block the keyboard's own; the taps still go into the input
// stream, and the attachment is made at the first tap once the thread answers again.
TEST_F(TrackingTheTarget, AHungTargetIsTypedIntoButAttachedOnlyOnceItAnswers)
{
    HWND window = first.createFocusedWindow();
    first.stopAnswering(8000);
    ASSERT_TRUE(waitUntil([&] { return IsHungAppWindow(window); }, 7000));
    report(window);
    EXPECT_EQ(app.targetWindow, window);
    EXPECT_FALSE(sharesInputWith(first));
    EXPECT_EQ(tap(zKey), 0u);
    EXPECT_EQ(keyEventsSeen, (std::vector<DWORD>{'Z', 'Z'}));
    ASSERT_TRUE(waitUntil([&] { return !IsHungAppWindow(window); }, longWait));
    tap(zKey);
    EXPECT_TRUE(sharesInputWith(first));
}
