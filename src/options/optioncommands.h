// The commands of the options dialog that change a setting.
#pragma once

#include <windows.h>

// Show or hide the number pad or the function-key row: the frame is re-sized, the panel is not rebuilt.
void toggleNumbers(HWND frame);
void toggleFunctionKeys(HWND frame);
