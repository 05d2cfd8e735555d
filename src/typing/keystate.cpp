// The thread keyboard state is shared with the target's thread while the two are attached, so these
// edits reach the application being typed into.
#include "typing/keystate.h"

#include "keys/keytables.h"
#include "state/appstate.h"

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

// The latch's key is repainted too: in the System look it shows inverted while latched.
void showIndicator(HWND indicator, int keyId, bool on)
{
    if (indicator)
        ShowWindow(indicator, on ? SW_SHOW : SW_HIDE);
    if (app.keyHandles[keyId])
        InvalidateRect(app.keyHandles[keyId], nullptr, FALSE);
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
    showIndicator(shiftIndicator, shiftKey, on);
}

void showCtrlIndicator(bool on)
{
    showIndicator(ctrlIndicator, ctrlKey, on);
}

void showAltIndicator(bool on)
{
    showIndicator(altIndicator, altKey, on);
}

void hideIndicators()
{
    if (!altIndicator || !ctrlIndicator || !shiftIndicator)
        return;
    showShiftIndicator(false);
    showCtrlIndicator(false);
    showAltIndicator(false);
}
