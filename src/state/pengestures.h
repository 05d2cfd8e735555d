// Pen taps that arrive at once: press-and-hold and flicks turned off for the keyboard's windows.
#pragma once

#include <windows.h>

// On the window and every window inside it.
void turnOffPenGestures(HWND window);
// Before the window is destroyed: the property's name holds a reference to a global atom.
void forgetPenGestures(HWND window);
