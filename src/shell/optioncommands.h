// The commands of the options dialog that change a setting.
#pragma once

#include <windows.h>

#include "state/appstate.h"

// Rebuilds the panel and the caption bar for a size 1..5, even the size in use; the caller removes the
// hook before and activates it again after.
void changeKeySize(HWND frame, int size);
// Show or hide the number pad or the function-key row: the frame is re-sized, the panel is not rebuilt.
void toggleNumbers(HWND frame);
void toggleFunctionKeys(HWND frame);
// The click at each key press, and fading while the keyboard is not in use.
void toggleClickSound();
void toggleFade(HWND frame);
void toggleKeyRepeat();
// Makes, shows, hides or destroys the suggestion strip, places the frame and saves. The strip stands while
// strokes write words too, hidden but for a stroke's choices, so that it hears of typing elsewhere.
void toggleWordSuggestions(HWND frame);
void toggleShapeWriting(HWND frame);
// The pad order; offered only while the pad is not in navigation mode.
void selectPhoneLayout();
void selectCalculatorLayout();
// The ways of selecting keys and their times; each is saved at once.
void selectKeysBy(SelectKeys way);
void changeSelectionTime(bool slower);
void changeScanSwitch();
// The keyboard's own colours or the system's, followed at once.
void toggleColors();
void changeScanOrder();
