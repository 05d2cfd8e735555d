// Holding a key on the real keyboard repeats it into Wine's notepad at the delay and speed set in the
// prefix; keys that change a latch or a mode never repeat, and a repeat whose release never comes stops.
#include <gtest/gtest.h>

#include <functional>

#include "panel/keytables.h"
#include "support/keyboardparts.h"
#include "support/keyinput.h"
#include "support/session.h"

namespace {

// Delay 0 is 250 ms; speed 15 is about 15.8 repeats a second, one every 63 ms.
constexpr UINT delaySetting = 0;
constexpr UINT speedSetting = 15;
constexpr double delayMs = 250;
constexpr double intervalMs = 1000 / 15.8;
constexpr DWORD holdMs = 2000;
// The release reaches the keyboard a little after the test has sent it.
constexpr double releaseLatencyMs = 200;
// The medium panel's shift light.
constexpr int shiftLight = 351;

// The press types once, then the repeats come after the delay, one per interval. A loaded machine may
// delay timers, but at least half the repeats arrive; none can come before their time.
::testing::AssertionResult fitsTheHold(size_t typed, DWORD held)
{
    const double most = 2 + (held + releaseLatencyMs - delayMs) / intervalMs;
    const double least = 1 + (held - delayMs) / intervalMs / 2;
    if (typed >= least && typed <= most)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << typed << " typed in a hold of " << held << " ms, not " << least << " to " << most;
}

// Text that has stopped changing: every keystroke sent has arrived.
std::string settledText(HWND edit)
{
    std::string text = textOf(edit);
    std::string previous;
    do {
        previous = text;
        pumpFor(300);
        text = textOf(edit);
    } while (text != previous);
    return text;
}

// A top-level window that comes forward without taking the focus, as another desktop's prompt does: nothing
// tells the keyboard of a new target, and the release of the held key never comes.
LRESULT CALLBACK curtainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ACTIVATE)
        return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createCurtain()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = curtainProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Curtain";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "Curtain", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

class HoldingKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        setKeyboardRepeat(delaySetting, speedSetting);
        ASSERT_TRUE(startSession(session, settings()));
        panel = session.keyboard.panel;
    }

    virtual std::string settings() const
    {
        return "";
    }

    HWND edit() const
    {
        return session.notepad.edit;
    }

    // Holds "-" until it repeats, brings the event about with the button still down, and then, after one
    // interval, sees no further dash go out.
    void expectRepeatStops(const std::function<void()>& event)
    {
        const KeyDownCount dashes(LOBYTE(VkKeyScanA('-')));
        pressKeyDown(panel, keyForCharacter('-'));
        ASSERT_TRUE(waitUntil([&] { return dashes.value() >= 3; }, shortWait)) << "the dash repeats";
        event();
        pumpFor(static_cast<DWORD>(intervalMs));
        const int afterEvent = dashes.value();
        pumpFor(1000);
        EXPECT_EQ(dashes.value(), afterEvent);
        releaseKey();
    }

    Session session;
    HWND panel = nullptr;
};

class HoldingKeysWithRepeatOff : public HoldingKeys {
    std::string settings() const override
    {
        return "[Tilfay]\r\nKey Repeat=N\r\n";
    }
};

} // namespace

TEST_F(HoldingKeys, HeldKeysRepeatWithinTheBoundsOfDelayAndSpeedAndATapTypesOnce)
{
    const DWORD dashHold = holdKey(panel, keyForCharacter('-'), holdMs);
    const std::string dashes = settledText(edit());
    EXPECT_EQ(dashes, std::string(dashes.size(), '-'));
    EXPECT_TRUE(fitsTheHold(dashes.size(), dashHold));

    const std::string longLine(80, 'x');
    SendMessageA(edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longLine.c_str()));
    SendMessageA(edit(), EM_SETSEL, longLine.size(), longLine.size());
    const DWORD backHold = holdKey(panel, backKey, holdMs);
    EXPECT_TRUE(fitsTheHold(longLine.size() - settledText(edit()).size(), backHold));

    SendMessageA(edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    holdKey(panel, keyForCharacter('a'), 100);
    EXPECT_EQ(settledText(edit()), "a");
}

TEST_F(HoldingKeys, ShiftLatchedThenAHeldLetterTypesCapitalsThroughoutAndTheLightGoesOut)
{
    tapKey(panel, shiftKey);
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(GetDlgItem(panel, shiftLight)); }, shortWait));
    holdKey(panel, keyForCharacter('a'), 1000);
    tapKey(panel, keyForCharacter('b'));
    const std::string text = settledText(edit());
    EXPECT_GE(text.size(), 4u) << text;
    EXPECT_EQ(text, std::string(text.size() - 1, 'A') + "b");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(panel, shiftLight)));
}

// A repeated num would flip the pad's captions; a repeated shift would flip its latch.
TEST_F(HoldingKeys, HeldShiftAndNumRepeatNothing)
{
    HWND padKey = GetDlgItem(panel, firstPadKey + 1);
    pressKeyDown(panel, numKey);
    ASSERT_TRUE(waitUntil([&] { return windowText(padKey) != "7"; }, shortWait));
    const std::string navigating = windowText(padKey);
    EXPECT_FALSE(waitUntil([&] { return windowText(padKey) != navigating; }, 1000));
    releaseKey();
    tapKey(panel, numKey);
    holdKey(panel, shiftKey, 1000);
    typeOnKeyboard(panel, "ab");
    EXPECT_EQ(settledText(edit()), "Ab");
}

TEST_F(HoldingKeysWithRepeatOff, AHeldKeyTypesOnce)
{
    holdKey(panel, keyForCharacter('-'), 1500);
    EXPECT_EQ(settledText(edit()), "-");
}

TEST_F(HoldingKeys, ARepeatStopsWhenTheTargetChanges)
{
    Notepad other;
    expectRepeatStops([&] {
        other = startNotepad();
        waitUntil([&] { return GetForegroundWindow() == other.window; }, longWait);
    });
    EXPECT_LE(settledText(other.edit).size(), 1u);
}

TEST_F(HoldingKeys, ARepeatStopsWhenTheTargetGoes)
{
    expectRepeatStops([&] { session.notepad.program->end(); });
}

TEST_F(HoldingKeys, ARepeatStopsWhenTheKeyboardIsMinimised)
{
    expectRepeatStops([&] { ShowWindow(session.keyboard.frame, SW_SHOWMINNOACTIVE); });
}

TEST_F(HoldingKeys, ARepeatStopsWhenTheOptionsOpen)
{
    expectRepeatStops([&] {
        inject(leftPressAt(centreOf(GetDlgItem(panel, menuKey))));
        waitForWindow(session.keyboard.program->id(), "#32770", optionsTitle, shortWait);
    });
}

TEST_F(HoldingKeys, ARepeatStopsWhenAnotherWindowComesForward)
{
    HWND curtain = nullptr;
    expectRepeatStops([&] {
        curtain = createCurtain();
        SetForegroundWindow(curtain);
        waitUntil([&] { return GetForegroundWindow() == curtain; }, shortWait);
    });
    DestroyWindow(curtain);
}
