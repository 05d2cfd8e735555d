// The panel's press and release handlers: the one entry point for a tap, whether the hook library
// reported it or the click reached a key directly.
#include "panel/keypress.h"

#include "hook/takenpresses.h"
#include "panel/clicksound.h"
#include "panel/formshold.h"
#include "panel/hittest.h"
#include "typing/integrity.h"
#include "panel/keyprocess.h"
#include "suggestions/typedword.h"
#include "panel/keyrepeat.h"
#include "panel/strokepress.h"
#include "typing/keystate.h"
#include "keys/keytables.h"
#include "typing/target.h"
#include "state/appstate.h"
#include "fade/fade.h"
#include "state/message.h"

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

// A letter's press may become a stroke: its point and time start the path.
void typeKey(BYTE keyId, POINT at, DWORD time)
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
    followPress(keyId, latchesOfPress, at, time);
}

} // namespace

INT_PTR onKeyPress(WPARAM pressTime, LPARAM lParam)
{
    if (!takeNewPress(static_cast<DWORD>(pressTime)))
        return TRUE;
    stopKeyRepeat();
    endFormsHold();
    forgetStroke();
    const int x = LOWORD(lParam);
    const int y = HIWORD(lParam);
    lastKeyId = keyAt(x, y);
    if (lastKeyId == 0)
        return TRUE;
    showKeyPressed(lastKeyId, true);
    if (lastKeyId == menuKey)
        askFrame(MSG_SHOW_OPTIONS);
    else if (IsWindow(app.targetWindow))
        typeKey(static_cast<BYTE>(lastKeyId), POINT{x, y},
                pressTime ? static_cast<DWORD>(pressTime) : GetMessageTime());
    else
        askFrame(MSG_NO_TARGET);
    playClickSound();
    showOpaque();
    return TRUE;
}

// A latch key's light shows the latch as its press left it.
INT_PTR onKeyRelease()
{
    endStroke();
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

INT_PTR onFocusChange(HWND newWindow)
{
    if (newWindow == app.targetWindow)
        return TRUE;
    endFormsHold();
    forgetStroke();
    forgetTypedWord();
    followFocus(newWindow);
    return TRUE;
}
