// Holding a key that has forms: past the system's keyboard delay the popup of its forms opens instead of
// a repeat.
#pragma once

#include <windows.h>

#include "state/appstate.h"

// How long a key is held before its forms open: the system's keyboard delay, or a rest's Hover Time.
UINT holdDelay();
// Starts the hold of a key just processed, with the latches its press found; false when the key offers no
// forms then, and may repeat.
bool startFormsHold(BYTE keyId, const ModifierLatches& found);
// WM_TIMER of the panel: the hold has lasted the delay.
INT_PTR onHoldTimer(WPARAM timerId);
// At the release of a press on the panel: a press that opened the popup and was slid onto a form chooses
// it, onto the first cell dismisses it; lifted anywhere else, it leaves the popup for a tap.
void endFormsPress();
// The press ends by the pointer moving away rather than by a lift: its release chooses no form.
void forgetFormsSlide();
// Any key of the panel, a focus change or a new panel ends the hold and dismisses the popup.
void endFormsHold();
// MSG_PRESS_ELSEWHERE: a press anywhere but the popup dismisses it; the point counts only for a press on a
// window of the keyboard.
INT_PTR onPressElsewhere(WPARAM onKeyboard, LPARAM point);
