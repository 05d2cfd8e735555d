// The options dialog: a modal box of buttons that ends with the id of the button chosen.
#pragma once

#include <windows.h>

// The id of the button chosen, or the platform's failure value when the dialog cannot be shown.
int runOptionsDialog(HWND frame);
INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Where a window of the given extent starts when centred on the screen's extent; negative when it is larger.
int centredStart(int screenExtent, int windowExtent);
