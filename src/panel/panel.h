// The keyboard panel: the child dialog that shows the keys and receives the hook library's reports.
#pragma once

#include <windows.h>

HWND createKeyboardPanel(HWND frame);
INT_PTR CALLBACK panelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
// Takes the look that applies now: the key fonts are made again and each key takes its button type.
void applyPanelLook();
