// The panel's handlers of a press and its release, where the key is shown pressed, processed and repeated,
// and of the focus reports.
#pragma once

#include <windows.h>

// pressTime: the time of the press's input event, 0 when unknown; lParam: its place on the panel.
INT_PTR onKeyPress(WPARAM pressTime, LPARAM lParam);
INT_PTR onKeyRelease();
// MSG_FOCUS_CHANGE: the window that holds the focus now becomes the target; a held key and the word being
// typed end with the old one.
INT_PTR onFocusChange(HWND newWindow);
