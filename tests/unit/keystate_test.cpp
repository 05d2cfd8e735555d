// The modifier and caps-lock entries of the thread keyboard state, and the indicator lights.
#include <gtest/gtest.h>

#include "typing/keystate.h"
#include "support/testframe.h"

namespace {

BYTE stateOf(int vk)
{
    BYTE state[256];
    GetKeyboardState(state);
    return state[vk];
}

void setState(std::initializer_list<int> keys, BYTE value)
{
    BYTE state[256];
    GetKeyboardState(state);
    for (int vk : keys)
        state[vk] = value;
    SetKeyboardState(state);
}

} // namespace

TEST(KeyState, ClearingModifiersLeavesCapsLockAlone)
{
    setState({VK_SHIFT, VK_CONTROL, VK_MENU}, 0x80);
    setState({VK_CAPITAL, 'A'}, 1);
    clearModifierState();
    EXPECT_EQ(stateOf(VK_SHIFT), 0);
    EXPECT_EQ(stateOf(VK_CONTROL), 0);
    EXPECT_EQ(stateOf(VK_MENU), 0);
    EXPECT_EQ(stateOf(VK_CAPITAL), 1);
    EXPECT_EQ(stateOf('A'), 1) << "no other entry is touched";
}

TEST(KeyState, ClearingAllClearsCapsLockToo)
{
    setState({VK_SHIFT, VK_CAPITAL}, 0x81);
    clearAllKeyState();
    EXPECT_EQ(stateOf(VK_SHIFT), 0);
    EXPECT_EQ(stateOf(VK_CAPITAL), 0);
}

TEST(KeyState, CapsLockIsSetAsToggledWithoutTheKeyDown)
{
    setCapsLockState(true);
    EXPECT_EQ(stateOf(VK_CAPITAL), 1);
    setCapsLockState(false);
    EXPECT_EQ(stateOf(VK_CAPITAL), 0);
}

TEST(Indicators, ShowAndHideEachLight)
{
    HWND frame = createTestFrame(100, 100);
    altIndicator = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 5, 5, frame, nullptr, nullptr, nullptr);
    ctrlIndicator = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 10, 0, 5, 5, frame, nullptr, nullptr, nullptr);
    shiftIndicator =
        CreateWindowExA(0, "BUTTON", "", WS_CHILD, 20, 0, 5, 5, frame, nullptr, nullptr, nullptr);
    showAltIndicator(true);
    showCtrlIndicator(true);
    showShiftIndicator(true);
    EXPECT_TRUE(IsWindowVisible(altIndicator) && IsWindowVisible(ctrlIndicator) &&
                IsWindowVisible(shiftIndicator));
    showCtrlIndicator(false);
    EXPECT_FALSE(IsWindowVisible(ctrlIndicator));
    hideIndicators();
    EXPECT_FALSE(IsWindowVisible(altIndicator) || IsWindowVisible(shiftIndicator));
    DestroyWindow(frame);
}

TEST(Indicators, WithOneLightMissingNoneIsHiddenButTheOthersStillShow)
{
    HWND frame = createTestFrame(100, 100);
    altIndicator = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 5, 5, frame, nullptr, nullptr, nullptr);
    ctrlIndicator = nullptr;
    shiftIndicator =
        CreateWindowExA(0, "BUTTON", "", WS_CHILD, 20, 0, 5, 5, frame, nullptr, nullptr, nullptr);
    showAltIndicator(true);
    showShiftIndicator(true);
    showCtrlIndicator(true);
    hideIndicators();
    EXPECT_TRUE(IsWindowVisible(altIndicator));
    EXPECT_TRUE(IsWindowVisible(shiftIndicator));
    DestroyWindow(frame);
}
