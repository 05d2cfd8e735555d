// The panel's handlers of a press and its release: the key is shown pressed, processed and repeated.
#pragma once

#include <windows.h>

INT_PTR onKeyPress(LPARAM lParam);
INT_PTR onKeyRelease();
