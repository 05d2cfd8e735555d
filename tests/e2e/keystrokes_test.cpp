// Keys that type no character reach the application as a hardware keyboard's would: real taps on the real
// keyboard, seen by keyrecorder.exe as the focused application.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "panel/keytables.h"
#include "support/keyrecord.h"
#include "support/settingsfile.h"
#include "support/tapping.h"

namespace {

// The keyboard with its function-key row shown, typing into the recorder.
class TappingIntoTheRecorder : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeSetting("Function keys", "Y");
        recorder = startKeyRecorder();
        ASSERT_NE(recorder.window, nullptr);
        keyboard = startKeyboard();
        ASSERT_NE(keyboard.panel, nullptr);
        focusRecorderByClick(recorder);
        ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == recorder.window; }, shortWait));
    }

    void tap(std::initializer_list<int> keys)
    {
        for (int keyId : keys)
            tapKey(keyboard.panel, keyId);
    }

    // The journal once it holds the expected number of key-down and key-up lines, or after the wait.
    KeyLines strokesWhenThere(size_t count)
    {
        waitUntil([&] { return strokesOf(journalLines(recorder.journal)).size() >= count; }, shortWait);
        pumpFor(100);
        return strokesOf(journalLines(recorder.journal));
    }

    KeyRecorder recorder;
    RunningKeyboard keyboard;
};

KeyLines operator+(KeyLines first, const KeyLines& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace

TEST_F(TappingIntoTheRecorder, FunctionKeysAndEscReachTheApplication)
{
    KeyLines expected;
    for (int keyId = firstFunctionKey; keyId <= lastFunctionKey; ++keyId) {
        tap({keyId});
        expected = expected + keystroke(static_cast<BYTE>(VK_F1 + keyId - firstFunctionKey));
    }
    tap({escKey});
    expected = expected + keystroke(VK_ESCAPE);
    EXPECT_EQ(strokesWhenThere(expected.size()), expected);
}

TEST_F(TappingIntoTheRecorder, TabEnterAndBackReachTheApplication)
{
    tap({tabKey, enterKey, backKey});
    const KeyLines expected = keystroke(VK_TAB) + keystroke(VK_RETURN) + keystroke(VK_BACK);
    EXPECT_EQ(strokesWhenThere(expected.size()), expected);
    EXPECT_EQ(charactersOf(journalLines(recorder.journal)), "\t\r\b");
}

TEST_F(TappingIntoTheRecorder, AltThenALetterArrivesAsASystemKey)
{
    tap({altKey, keyForCharacter('a')});
    EXPECT_EQ(strokesWhenThere(4), keystroke('A', false, false, true));
    const KeyLines lines = journalLines(recorder.journal);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "sysdown 41"), lines.end());
}

TEST_F(TappingIntoTheRecorder, CtrlAltDelArrivesAltCtrlDeleteAndUpInReverse)
{
    tap({ctrlKey, altKey, delKey});
    EXPECT_EQ(strokesWhenThere(6), keystroke(VK_DELETE, false, true, true));
}

TEST_F(TappingIntoTheRecorder, LatchKeysAloneSendNothing)
{
    tap({shiftKey, ctrlKey, altKey, capKey, numKey, shiftKey, ctrlKey, altKey, capKey, numKey, escKey});
    EXPECT_EQ(strokesWhenThere(2), keystroke(VK_ESCAPE)) << "only esc";
}
