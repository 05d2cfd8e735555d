// Key processing observed where the platform delivers it: a window of the test's own holds the focus, is
// the target, and records the key messages that the synthesized events become.
#include <gtest/gtest.h>

#include <string>

#include "caption/bitmapcontrols.h"
#include "typing/integrity.h"
#include "hook/takenpresses.h"
#include "panel/keypress.h"
#include "panel/keyprocess.h"
#include "panel/keyrepeat.h"
#include "typing/keystate.h"
#include "keys/keytables.h"
#include "panel/panel.h"
#include "typing/targetlayout.h"
#include "state/appstate.h"
#include "state/message.h"
#include "support/keyrecord.h"
#include "support/pointerinput.h"
#include "support/testframe.h"
#include "support/winprocess.h"

namespace {

constexpr int zKey = 11;
constexpr int exclamationKey = 37;
constexpr int openParenthesisKey = 45;
constexpr int padSevenKey = 101; // Home in navigation mode
constexpr int padGraveKey = 100;
constexpr int padLeftKey = 102;
// Time for every queued event to reach the target's window procedure.
constexpr DWORD deliveryTime = 200;

BYTE keyState(int vk)
{
    BYTE state[256];
    GetKeyboardState(state);
    return state[vk];
}

// The toggle bit of a modifier flips with every press; only the down bit counts.
bool isDown(int vk)
{
    return keyState(vk) & 0x80;
}

// The keystroke that the active layout gives for a character.
KeyLines keystrokeFor(char ch)
{
    const SHORT scan = VkKeyScanA(ch);
    return keystroke(LOBYTE(scan), HIBYTE(scan) & 1);
}

// The real panel in a stand-in frame, and the target window beside it holding the focus.
class ProcessingKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = createTestKeyboard(3);
        ASSERT_NE(app.keyboardPanel, nullptr);
        target = createKeyRecordingWindow();
        SetForegroundWindow(target);
        SetFocus(target);
        ASSERT_TRUE(waitUntil([&] { return GetFocus() == target; }, shortWait));
        app.targetWindow = target;
        takeRecordedKeys();
    }

    void TearDown() override
    {
        DestroyWindow(target);
        DestroyWindow(frame);
    }

    // Processes each key in turn, as taps would, and returns what reached the target.
    KeyLines process(std::initializer_list<int> keys)
    {
        for (int keyId : keys)
            processKey(static_cast<BYTE>(keyId), latches);
        pumpFor(deliveryTime);
        lastLines = takeRecordedKeys();
        return strokesOf(lastLines);
    }

    std::string lastCharacters() const
    {
        return charactersOf(lastLines);
    }

    bool oneShotLatchesClear() const
    {
        return !latches.shiftLatch && !latches.ctrlLatch && !latches.altLatch;
    }

    HWND frame = nullptr;
    HWND target = nullptr;
    KeyLines lastLines;
};

} // namespace

TEST_F(ProcessingKeys, ShiftThenALetterWrapsOnlyThatLetterInShift)
{
    EXPECT_EQ(process({shiftKey}), KeyLines{}) << "a latch key sends nothing";
    EXPECT_EQ(latches.shiftLatch, 1);
    EXPECT_EQ(process({zKey}), keystroke('Z', true));
    EXPECT_EQ(lastCharacters(), "Z");
    EXPECT_EQ(latches.shiftLatch, 0);
    EXPECT_EQ(process({zKey}), keystroke('Z'));
    EXPECT_EQ(lastCharacters(), "z");
}

TEST_F(ProcessingKeys, CapWithoutAHardwareKeyboardSendsLettersWithShift)
{
    EXPECT_EQ(process({capKey}), KeyLines{});
    EXPECT_EQ(process({zKey}), keystroke('Z', true));
    EXPECT_EQ(process({zKey}), keystroke('Z', true)) << "cap lasts";
    EXPECT_EQ(keyState(VK_CAPITAL), 0) << "caps lock is left alone";
    EXPECT_EQ(latches.capsLatch, 1);
}

TEST_F(ProcessingKeys, CapAndALatchedShiftCancelOut)
{
    EXPECT_EQ(process({capKey, shiftKey, zKey}), keystroke('Z'));
    EXPECT_EQ(lastCharacters(), "z");
}

TEST_F(ProcessingKeys, CapOnlyShiftsLetters)
{
    EXPECT_EQ(process({capKey, escKey}), keystroke(VK_ESCAPE));
}

TEST_F(ProcessingKeys, CapWithAHardwareKeyboardSetsCapsLockAndLeavesShiftToTheLatch)
{
    app.hardwareKeyboard = 1;
    process({capKey});
    EXPECT_EQ(keyState(VK_CAPITAL), 1) << "toggled, not held down";
    EXPECT_EQ(process({zKey}), keystroke('Z'));
    EXPECT_EQ(lastCharacters(), "Z") << "caps lock makes it upper case in the target";
    EXPECT_EQ(process({shiftKey, zKey}), keystroke('Z', true));
    process({capKey});
    EXPECT_EQ(keyState(VK_CAPITAL), 0);
}

TEST_F(ProcessingKeys, ALatchedShiftBeforeAPadDigitGivesWayToWhatTheLayoutNeeds)
{
    EXPECT_EQ(process({shiftKey, padSevenKey}), keystrokeFor('7'));
    EXPECT_EQ(lastCharacters(), "7");
    EXPECT_EQ(latches.shiftLatch, 0) << "the latch is used up all the same";
    EXPECT_EQ(process({zKey}), keystroke('Z'));
}

TEST_F(ProcessingKeys, ACharacterThatNeedsShiftGetsItLatchedOrNot)
{
    ASSERT_TRUE(HIBYTE(VkKeyScanA('!')) & 1) << "the layout puts ! on a shifted key";
    EXPECT_EQ(process({exclamationKey}), keystrokeFor('!'));
    EXPECT_EQ(process({shiftKey, exclamationKey}), keystrokeFor('!'));
    EXPECT_EQ(lastCharacters(), "!");
}

TEST_F(ProcessingKeys, CtrlAltThenDelSendsTheThreeInOrder)
{
    EXPECT_EQ(process({ctrlKey, altKey, delKey}), keystroke(VK_DELETE, false, true, true));
    EXPECT_TRUE(oneShotLatchesClear());
}

TEST_F(ProcessingKeys, AltThenALetterArrivesAsASystemKey)
{
    process({altKey, zKey});
    EXPECT_EQ(lastLines, (KeyLines{"sysdown 12", "sysdown 5A", "syschar 7A", "sysup 5A", "up 12"}));
}

TEST_F(ProcessingKeys, ASecondTapOnCtrlCancelsIt)
{
    EXPECT_EQ(process({ctrlKey, ctrlKey, zKey}), keystroke('Z'));
    EXPECT_EQ(lastCharacters(), "z");
}

TEST_F(ProcessingKeys, NumTurnsThePadIntoNavigationKeysAndDelIntoInsert)
{
    process({numKey});
    EXPECT_EQ(latches.navLatch, 1);
    EXPECT_EQ(app.navModeMirror, 1);
    EXPECT_EQ(process({padSevenKey}), keystroke(VK_HOME));
    EXPECT_EQ(process({padGraveKey}), keystrokeFor('`'));
    EXPECT_EQ(lastCharacters(), "`");
    EXPECT_EQ(process({delKey}), keystroke(VK_INSERT));
    process({numKey});
    EXPECT_EQ(latches.navLatch, 0);
    EXPECT_EQ(app.navModeMirror, 0);
    EXPECT_EQ(process({padSevenKey}), keystrokeFor('7'));
    EXPECT_EQ(process({delKey}), keystroke(VK_DELETE));
}

TEST_F(ProcessingKeys, ThePadFollowsThePhoneOrCalculatorOrder)
{
    EXPECT_EQ(process({padSevenKey}), keystrokeFor('7'));
    app.phoneLayout = 1;
    EXPECT_EQ(process({padSevenKey}), keystrokeFor('1'));
    EXPECT_EQ(lastCharacters(), "1");
}

TEST_F(ProcessingKeys, NumLeavesALatchedShiftForTheNavigationKey)
{
    EXPECT_EQ(process({shiftKey, numKey, padLeftKey}), keystroke(VK_LEFT, true));
}

TEST_F(ProcessingKeys, NothingIsSentOrLatchedWithoutATarget)
{
    app.targetWindow = nullptr;
    EXPECT_EQ(process({shiftKey, capKey, numKey, zKey, padSevenKey}), KeyLines{});
    EXPECT_EQ(lastLines, KeyLines{});
    EXPECT_EQ(latches.shiftLatch, 0);
    EXPECT_EQ(latches.capsLatch, 0);
    EXPECT_EQ(latches.navLatch, 0);
}

TEST_F(ProcessingKeys, ACharacterTheLayoutLacksArrivesAsThatCharacter)
{
    ASSERT_EQ(VkKeyScanA('('), -1) << "the test needs a layout without (";
    EXPECT_EQ(process({openParenthesisKey}), keystroke(VK_PACKET));
    EXPECT_EQ(lastCharacters(), "(");
    EXPECT_EQ(process({shiftKey, openParenthesisKey}), keystroke(VK_PACKET))
        << "the character needs no shift";
    EXPECT_EQ(latches.shiftLatch, 0);
}

TEST_F(ProcessingKeys, ACharacterTheLayoutLacksIsWrappedInTheLatchedCtrl)
{
    EXPECT_EQ(process({ctrlKey, openParenthesisKey}), keystroke(VK_PACKET, false, true));
    EXPECT_EQ(lastCharacters(), "(");
    EXPECT_TRUE(oneShotLatchesClear());
}

TEST_F(ProcessingKeys, AfterAKeystrokeOnlyCapAndNumRemainLatched)
{
    for (int keyId : {zKey, escKey, padSevenKey, exclamationKey, openParenthesisKey}) {
        process({capKey, numKey, shiftKey, ctrlKey, altKey});
        showShiftIndicator(true);
        showCtrlIndicator(true);
        showAltIndicator(true);
        process({keyId});
        EXPECT_FALSE(IsWindowVisible(shiftIndicator) || IsWindowVisible(ctrlIndicator) ||
                     IsWindowVisible(altIndicator))
            << "the lights go out, key " << keyId;
        EXPECT_EQ(latches.capsLatch, 1) << keyId;
        EXPECT_EQ(latches.navLatch, 1) << keyId;
        EXPECT_TRUE(oneShotLatchesClear()) << keyId;
        EXPECT_FALSE(isDown(VK_SHIFT) || isDown(VK_CONTROL) || isDown(VK_MENU))
            << "the key-up events released the modifiers, key " << keyId;
        process({capKey, numKey});
    }
}

// The target's own layout answers: a character goes out by its key whenever that key, with shift or
// without, types it at once.
TEST(TypingThroughTheLayout, TheTargetsLayoutTypesEveryCharacterItHasByItsKey)
{
    for (char ch : std::string(punctuationChars) + calculatorPadChars + navPadChars)
        EXPECT_EQ(keyTypingCharacter(ch), VkKeyScanA(ch)) << "'" << ch << "'";
}

// A press that reaches the keyboard without the pointer hook shows in the button's asynchronous state; its
// release may be lost on the way, and the repeat must end all the same once the button is found up.
TEST_F(ProcessingKeys, ARepeatEndsWhenTheButtonIsFoundUpThoughNoReleaseCame)
{
    app.keyRepeat = 1;
    SystemParametersInfoA(SPI_SETKEYBOARDDELAY, 0, nullptr, 0);
    SystemParametersInfoA(SPI_SETKEYBOARDSPEED, 31, nullptr, 0);
    movePointerTo(centreOf(target));
    pressLeftButton();
    const ModifierLatches none{};
    processKey(zKey, none);
    startKeyRepeat(zKey, none);
    pumpFor(600);
    releaseLeftButton();
    pumpFor(100);
    EXPECT_GE(process({}).size(), 3 * keystroke('Z').size()) << "the press and at least two repeats";
    EXPECT_EQ(process({}), KeyLines{});
}

// A held key goes on only while everything shows that the press lasts, and never past a minute.
TEST(HoldingKeysGoOn, OnlyWhileThePressLastsInTheTargetInFrontAndForLessThanAMinute)
{
    const RepeatFacts lasting{false, true, true, true, true, 59999};
    EXPECT_TRUE(repeatGoesOn(lasting));
    RepeatFacts f = lasting;
    f.buttonLetGo = true;
    EXPECT_FALSE(repeatGoesOn(f)) << "the button is up";
    f = lasting;
    f.sameTarget = false;
    EXPECT_FALSE(repeatGoesOn(f)) << "the focus moved";
    f = lasting;
    f.targetExists = false;
    EXPECT_FALSE(repeatGoesOn(f)) << "the target is gone";
    f = lasting;
    f.keyboardShown = false;
    EXPECT_FALSE(repeatGoesOn(f)) << "the keyboard is minimised";
    f = lasting;
    f.targetInForeground = false;
    EXPECT_FALSE(repeatGoesOn(f)) << "another window or desktop is in front";
    f = lasting;
    f.heldFor = 60000;
    EXPECT_FALSE(repeatGoesOn(f)) << "a minute has passed";
}

// A rest in Hover mode holds the key: a letter, a digit or a mark types once however long the rest.
TEST(HoldingKeysGoOn, ARestRepeatsOnlyBackDeleteSpaceEnterAndTheArrows)
{
    const struct {
        int keyId;
        bool nav;
        bool repeats;
    } cases[] = {
        {backKey, false, true},      {delKey, false, true},       {delKey, true, false},
        {leftSpaceKey, false, true}, {rightSpaceKey, true, true}, {enterKey, false, true},
        {102, true, true},           {107, true, true},           {113, false, false},
        {103, true, false},          {30, false, false},          {34, false, false},
        {43, false, false},          {tabKey, false, false},      {escKey, false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(repeatsOnRest(c.keyId, c.nav), c.repeats) << c.keyId << (c.nav ? " nav" : "");
}

// Both paths of one click carry the time of its input event; 0 is a press whose time is not known. Taps A
// and B reported by the hook after both came directly (a stalled thread) are each taken once.
TEST(DuplicatePresses, EachInputEventIsTakenOnceWhateverCameBetween)
{
    EXPECT_TRUE(takeNewPress(5000));
    EXPECT_TRUE(takeNewPress(5100));
    EXPECT_FALSE(takeNewPress(5000)) << "A's report after B's direct click";
    EXPECT_FALSE(takeNewPress(5100));
    EXPECT_TRUE(takeNewPress(0));
    EXPECT_TRUE(takeNewPress(0));
    for (DWORD time = 6000; time < 6100; ++time)
        ASSERT_TRUE(takeNewPress(time));
    EXPECT_TRUE(takeNewPress(5000)) << "a time long past is the tick count come round again";
}

TEST_F(ProcessingKeys, AClickReportedByTheHookAndDeliveredDirectlyTypesOnce)
{
    RECT panel;
    GetWindowRect(app.keyboardPanel, &panel);
    RECT key;
    GetWindowRect(GetDlgItem(app.keyboardPanel, zKey), &key);
    const LPARAM place =
        MAKELPARAM((key.left + key.right) / 2 - panel.left, (key.top + key.bottom) / 2 - panel.top);
    const DWORD time = GetTickCount();
    for (WPARAM pressTime : {time, time, time + 1}) {
        SendMessageA(app.keyboardPanel, MSG_KEY_PRESS, pressTime, place);
        SendMessageA(app.keyboardPanel, MSG_KEY_RELEASE, 0, 0);
    }
    const KeyLines once = keystroke('Z');
    KeyLines twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(process({}), twice);
}

// Windows drops keystrokes sent to a higher integrity level; a target that cannot be asked (another user's)
// is typed into, and a keyboard that cannot ask runs where there are no levels.
TEST(TypingIntegrity, OnlyATargetAtTheKeyboardsLevelOrBelowIsTypedInto)
{
    struct Case {
        DWORD target;
        DWORD own;
        bool allowed;
    };
    const Case cases[] = {
        {SECURITY_MANDATORY_MEDIUM_RID, SECURITY_MANDATORY_MEDIUM_RID, true},
        {SECURITY_MANDATORY_LOW_RID, SECURITY_MANDATORY_MEDIUM_RID, true},
        {SECURITY_MANDATORY_HIGH_RID, SECURITY_MANDATORY_MEDIUM_RID, false},
        {SECURITY_MANDATORY_SYSTEM_RID, SECURITY_MANDATORY_HIGH_RID, false},
        {SECURITY_MANDATORY_HIGH_RID, SECURITY_MANDATORY_HIGH_RID, true},
        {SECURITY_MANDATORY_MEDIUM_RID + 0x100, SECURITY_MANDATORY_MEDIUM_RID, false},
        {unknownIntegrity, SECURITY_MANDATORY_MEDIUM_RID, true},
        {unknownIntegrity, unknownIntegrity, true},
        {SECURITY_MANDATORY_HIGH_RID, unknownIntegrity, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(integrityAllowsTyping(c.target, c.own), c.allowed) << std::hex << c.target << " " << c.own;
}

TEST_F(ProcessingKeys, AWindowAtTheKeyboardsOwnLevelIsTypedIntoAndItsLevelIsKnown)
{
    EXPECT_NE(integrityOfProcess(GetCurrentProcess()), unknownIntegrity);
    EXPECT_TRUE(mayTypeInto(target));
}
