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
#include "state/message.h"
#include "suggestions/strip.h"
#include "suggestions/typedword.h"
#include "suggestions/wordsource.h"

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

// Whatever stays on the disk, nothing learned stays in memory.
void forgetIfConfirmed(HWND frame)
{
    if (MessageBoxW(frame, L"Forget every word and word pair learned from your typing?", L"Tilfay Keyboard",
                    MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES &&
        !forgetLearnedWords())
        MessageBoxW(frame,
                    L"A file of learned words could not be deleted: another program may be using it. "
                    L"Close that program and choose Forget Learned Words again.",
                    L"Tilfay Keyboard", MB_OK | MB_ICONWARNING);
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
    case IDC_FORGET_WORDS: forgetIfConfirmed(frame); break;
    case IDC_SELECT_FIRST: selectKeysBy(otherWay(app.selectKeys, 0)); break;
    case IDC_SELECT_SECOND: selectKeysBy(otherWay(app.selectKeys, 1)); break;
    case IDC_SLOWER: changeSelectionTime(true); break;
    case IDC_FASTER: changeSelectionTime(false); break;
    case IDC_SCAN_SWITCH: changeScanSwitch(); break;
    case IDC_COLORS: toggleColors(); break;
    case IDC_SCAN_ORDER: changeScanOrder(); break;
    case IDC_SHAPE_WRITING: toggleShapeWriting(frame); break;
    default: break;
    }
}

} // namespace

// Also after Close Keyboard has destroyed the frame the hook calls are made: the library is freed by
// then, and the binding makes them do nothing. The focus goes back at once, Help's too: the program that
// shows the guide takes the foreground itself when its window comes, and until then taps type on.
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
    returnFocus();
    return 0;
}
