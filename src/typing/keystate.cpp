// The thread keyboard state is shared with the target's thread while the two are attached, so these
// edits reach the application being typed into.
#include "typing/keystate.h"

HWND altIndicator;
HWND ctrlIndicator;
HWND shiftIndicator;

namespace {

// The toggle bit alone: caps lock on, the key not held down.
constexpr BYTE toggledOn = 1;

void clearKeyState(bool capsLockToo)
{
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = 0;
    state[VK_CONTROL] = 0;
    state[VK_MENU] = 0;
    if (capsLockToo)
        state[VK_CAPITAL] = 0;
    SetKeyboardState(state);
}

void showIndicator(HWND indicator, bool on)
{
    if (indicator)
        ShowWindow(indicator, on ? SW_SHOW : SW_HIDE);
}

} // namespace

void clearAllKeyState()
{
    clearKeyState(true);
}

void clearModifierState()
{
    clearKeyState(false);
}

void setCapsLockState(bool on)
{
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CAPITAL] = on ? toggledOn : 0;
    SetKeyboardState(state);
}

void showShiftIndicator(bool on)
{
    showIndicator(shiftIndicator, on);
}

void showCtrlIndicator(bool on)
{
    showIndicator(ctrlIndicator, on);
}

void showAltIndicator(bool on)
{
    showIndicator(altIndicator, on);
}

void hideIndicators()
{
    if (!altIndicator || !ctrlIndicator || !shiftIndicator)
        return;
    ShowWindow(altIndicator, SW_HIDE);
    ShowWindow(ctrlIndicator, SW_HIDE);
    ShowWindow(shiftIndicator, SW_HIDE);
}
