// Target tracking: the window that receives the keystrokes follows the input focus.
#pragma once

#include <windows.h>

INT_PTR onFocusChange(HWND newWindow);
