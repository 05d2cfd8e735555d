// Keys that type no character reach the application as a hardware keyboard's would: real taps on the real
// keyboard, seen by keyrecorder.exe as the focused application.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "keys/keytables.h"
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

// Applications that read scan codes drop events without one, and a navigation key without the extended
// flag arrives as its twin on the number pad.
TEST_F(TappingIntoTheRecorder, EveryKeyCarriesItsScanCodeAndOnlyTheNavigationKeysTheExtendedFlag)
{
    tap({delKey, numKey});
    for (int keyId : navKeys)
        tap({keyId});
    tap({delKey, numKey, shiftKey, keyForCharacter('a'), ctrlKey, altKey, keyForCharacter('b')});
    tap({firstFunctionKey, escKey, tabKey, leftSpaceKey, keyForCharacter(';'), keyForCharacter('?')});
    // Ten extended keys; shift+a, ctrl+alt+b and "?" with shift; five keys alone.
    const size_t strokes = 2 * (2 + navKeyCount) + 4 + 6 + 4 + 2 * 5;
    ASSERT_EQ(strokesWhenThere(strokes).size(), strokes);
    const auto extended = [](unsigned vk) {
        return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE;
    };
    int extendedEvents = 0;
    for (const std::string& line : journalScanCodes(recorder.journal)) {
        std::istringstream fields(line);
        std::string kind;
        unsigned vk = 0, scanCode = 0;
        fields >> kind >> std::hex >> vk >> scanCode;
        EXPECT_NE(scanCode & 0xFF, 0u) << line;
        EXPECT_EQ(scanCode, MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) | (extended(vk) ? 0xE000 : 0)) << line;
        extendedEvents += extended(vk);
    }
    EXPECT_EQ(extendedEvents, 2 * (2 + navKeyCount));
}
