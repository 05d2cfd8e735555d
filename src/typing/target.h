// Target tracking: the window that receives the keystrokes follows the input focus.
#pragma once

#include <windows.h>

// The focus has moved to another window: it becomes the target, sharing its thread's input.
void followFocus(HWND newWindow);
// Shares the input of the target's thread unless it is shared already or the target does not answer.
void attachToTarget();
// Hands the focus back to the target, unless it does not answer: every command of the keyboard's own
// windows ends with it.
void returnFocus();
