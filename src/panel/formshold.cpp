// Holding a key for its forms. The character typed at the press stays typed until a form replaces it.
#include "panel/formshold.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "letters/forms.h"
#include "panel/formspopup.h"
#include "keys/keytables.h"
#include "typing/targetlayout.h"

namespace {

constexpr UINT_PTR holdTimer = 2;
// The system's keyboard delay runs from 0 (250 ms) to 3 (1 s).
constexpr UINT delayStep = 250;
constexpr UINT slowestDelay = 3;

struct FormsHold {
    // 0 while no press on a key with forms goes on.
    BYTE keyId;
    std::wstring forms;
    HWND target;
};

FormsHold hold;

wchar_t characterOfKey(int keyId, bool nav)
{
    if (keyId >= firstLetterKey && keyId <= lastLetterKey)
        return static_cast<wchar_t>(letterLayout[keyId - firstLetterKey] - 'A' + 'a');
    if (keyId >= firstPunctuationKey && keyId <= lastPunctuationKey)
        return static_cast<wchar_t>(punctuationChars[keyId - firstPunctuationKey]);
    if (keyId >= firstPadKey && keyId <= lastPadKey && !nav)
        return static_cast<wchar_t>(
            (app.phoneLayout ? phonePadChars : calculatorPadChars)[keyId - firstPadKey]);
    return 0;
}

bool pressGoesOn()
{
    return hold.keyId && hold.target == app.targetWindow && IsWindow(hold.target) &&
           IsWindowVisible(app.mainWindow) && !IsIconic(app.mainWindow);
}

} // namespace

// Resting on a key is held for a further Hover Time.
UINT holdDelay()
{
    if (app.selectKeys == selectByHover)
        return static_cast<UINT>(app.hoverTime);
    UINT delay = 0;
    SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &delay, 0);
    return (std::min(delay, slowestDelay) + 1) * delayStep;
}

// With ctrl or alt latched the press was a shortcut, which has no forms. The forms are in the case the
// press typed; with "Hardware Keyboard" on, cap is the target's Caps Lock itself.
bool startFormsHold(BYTE keyId, const ModifierLatches& found)
{
    if (found.ctrlLatch || found.altLatch)
        return false;
    const bool capitals = letterTypedCapital(found.shiftLatch, found.capsLatch && !app.hardwareKeyboard,
                                             GetKeyState(VK_CAPITAL) & 1);
    std::wstring forms = formsOf(characterOfKey(keyId, found.navLatch), capitals, LOWORD(targetLayout()));
    if (forms.empty())
        return false;
    hold = FormsHold{keyId, std::move(forms), app.targetWindow};
    SetTimer(app.keyboardPanel, holdTimer, holdDelay(), nullptr);
    return true;
}

INT_PTR onHoldTimer(WPARAM timerId)
{
    if (timerId != holdTimer)
        return FALSE;
    KillTimer(app.keyboardPanel, holdTimer);
    if (pressGoesOn())
        openFormsPopup(hold.keyId, hold.forms);
    return TRUE;
}

void endFormsPress()
{
    KillTimer(app.keyboardPanel, holdTimer);
    const bool popupOfThisPress = hold.keyId != 0;
    hold.keyId = 0;
    POINT pointer{};
    if (popupOfThisPress && GetCursorPos(&pointer) && formAt(pointer) >= 0)
        chooseForm(formAt(pointer));
}

void forgetFormsSlide()
{
    hold.keyId = 0;
}

void endFormsHold()
{
    KillTimer(app.keyboardPanel, holdTimer);
    hold.keyId = 0;
    closeFormsPopup();
}

INT_PTR onPressElsewhere(WPARAM onKeyboard, LPARAM point)
{
    if (!onKeyboard || !formsPopupAt(POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)}))
        endFormsHold();
    return TRUE;
}
