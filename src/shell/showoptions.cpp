// The options dialog runs with the hook disabled, so that its buttons take real clicks; afterwards the
// focus goes back to the application being typed into.
#include "shell/showoptions.h"

#include "hook/hookbinding.h"
#include "options/help.h"
#include "shell/optioncommands.h"
#include "options/optionsdialog.h"
#include "options/selection.h"
#include "panel/keyrepeat.h"
#include "typing/target.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "state/appstate.h"
#include "suggestions/strip.h"
#include "suggestions/typedword.h"

namespace {

bool isSizeCommand(int command)
{
    return command >= IDC_TINY_SIZE && command <= IDC_FINGER_SIZE;
}

void switchPadOrder()
{
    if (app.phoneLayout)
        selectCalculatorLayout();
    else
        selectPhoneLayout();
}

void closeIfAllowed(HWND frame)
{
    if (closingAllowedNow())
        DestroyWindow(frame);
}

void carryOut(HWND frame, int command)
{
    switch (command) {
    case IDC_TINY_SIZE:
    case IDC_SMALL_SIZE:
    case IDC_MEDIUM_SIZE:
    case IDC_LARGE_SIZE:
    case IDC_FINGER_SIZE: changeKeySize(frame, command - IDC_TINY_SIZE + 1); break;
    case IDC_PAD_ORDER: switchPadOrder(); break;
    case IDC_MINIMIZE_KEYBOARD: ShowWindow(frame, SW_SHOWMINNOACTIVE); break;
    case IDC_SHOW_NUMBERS: toggleNumbers(frame); break;
    case IDC_SHOW_FUNCTION_KEYS: toggleFunctionKeys(frame); break;
    case IDC_SHOW_HELP: showHelp(frame); break;
    case IDC_CLOSE_KEYBOARD: closeIfAllowed(frame); break;
    case IDC_KEY_REPEAT: toggleKeyRepeat(); break;
    case IDC_WORD_SUGGESTIONS: toggleWordSuggestions(frame); break;
    case IDC_CLICK_SOUND: toggleClickSound(); break;
    case IDC_FADE: toggleFade(frame); break;
    case IDC_SELECT_FIRST: selectKeysBy(otherWay(app.selectKeys, 0)); break;
    case IDC_SELECT_SECOND: selectKeysBy(otherWay(app.selectKeys, 1)); break;
    case IDC_SLOWER: changeSelectionTime(true); break;
    case IDC_FASTER: changeSelectionTime(false); break;
    case IDC_SCAN_SWITCH: changeScanSwitch(); break;
    default: break;
    }
}

} // namespace

// Also after Close Keyboard has destroyed the frame the hook calls are made: the library is freed by
// then, and the binding makes them do nothing.
LRESULT onShowOptions(HWND frame)
{
    stopKeyRepeat();
    forgetTypedWord();
    DisableHook();
    const int command = runOptionsDialog(frame);
    if (isSizeCommand(command))
        RemoveHook();
    carryOut(frame, command);
    if (isSizeCommand(command))
        activateHook(frame);
    EnableHook();
    // The help that has just opened takes the foreground itself.
    if (command != IDC_SHOW_HELP)
        returnFocus();
    return 0;
}
