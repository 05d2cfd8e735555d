// Real pointer input through SendInput, at screen coordinates.
#pragma once

#include <windows.h>

void movePointerTo(POINT screen);
void pressLeftButton();
void releaseLeftButton();
void clickAt(POINT screen);
// The centre of a window, in screen coordinates.
POINT centreOf(HWND window);
