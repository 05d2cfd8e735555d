// The panel's press and release handlers: the one entry point for a tap, whether the hook library
// reported it or the click reached a key directly.
#include "panel/keypress.h"

#include "panel/formshold.h"
#include "panel/hittest.h"
#include "panel/integrity.h"
#include "panel/keyprocess.h"
#include "panel/keyrepeat.h"
#include "panel/keystate.h"
#include "panel/keytables.h"
#include "panel/target.h"
#include "shell/appstate.h"
#include "shell/message.h"

namespace {

void showKeyPressed(int keyId, bool pressed)
{
    SendDlgItemMessageA(app.keyboardPanel, keyId, BM_SETSTATE, pressed, 0);
}

// The frame answers with a dialog or a box, whose buttons need the mouse: a press that reached the key
// directly gives up its capture, which ends it.
void askFrame(UINT message, HWND target = nullptr)
{
    if (GetCapture() == app.keyboardPanel)
        ReleaseCapture();
    PostMessageA(app.mainWindow, message, reinterpret_cast<WPARAM>(target), 0);
}

// The person hears once per target window why the keyboard does not type there.
void refuseElevatedTarget()
{
    static HWND refusedTarget;
    if (refusedTarget == app.targetWindow)
        return;
    refusedTarget = app.targetWindow;
    askFrame(MSG_ELEVATED_TARGET, app.targetWindow);
}

void typeKey(BYTE keyId)
{
    if (!mayTypeInto(app.targetWindow)) {
        refuseElevatedTarget();
        return;
    }
    attachToTarget();
    const ModifierLatches latchesOfPress = latches;
    processKey(keyId, latchesOfPress);
    if (!startFormsHold(keyId, latchesOfPress))
        startKeyRepeat(keyId, latchesOfPress);
}

// The time of the latest press taken.
DWORD lastPressTime;

} // namespace

// A click that the hook was too slow for reaches the key directly while the hook's report of it may still
// come: both carry the time of the one input event.
bool isDuplicatePress(DWORD pressTime, DWORD lastTime)
{
    return pressTime != 0 && pressTime == lastTime;
}

INT_PTR onKeyPress(WPARAM pressTime, LPARAM lParam)
{
    if (isDuplicatePress(static_cast<DWORD>(pressTime), lastPressTime))
        return TRUE;
    lastPressTime = static_cast<DWORD>(pressTime);
    stopKeyRepeat();
    endFormsHold();
    const int x = LOWORD(lParam);
    const int y = HIWORD(lParam);
    lastKeyId = keyAt(x, y);
    if (lastKeyId == 0)
        return TRUE;
    showKeyPressed(lastKeyId, true);
    if (lastKeyId == menuKey)
        askFrame(MSG_SHOW_OPTIONS);
    else if (IsWindow(app.targetWindow))
        typeKey(static_cast<BYTE>(lastKeyId));
    else
        askFrame(MSG_NO_TARGET);
    return TRUE;
}

// A latch key's light shows the latch as its press left it.
INT_PTR onKeyRelease()
{
    stopKeyRepeat();
    endFormsPress();
    showKeyPressed(lastKeyId, false);
    if (lastKeyId == shiftKey)
        showShiftIndicator(latches.shiftLatch);
    else if (lastKeyId == ctrlKey)
        showCtrlIndicator(latches.ctrlLatch);
    else if (lastKeyId == altKey)
        showAltIndicator(latches.altLatch);
    return TRUE;
}
