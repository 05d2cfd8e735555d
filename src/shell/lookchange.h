// Following a change of look: the setting, the system's colours or high contrast.
#pragma once

#include <windows.h>

// Reads the look again and repaints every window of the keyboard in it; nothing is rebuilt, so the focus,
// the latches, the word being typed and the scan's place stay as they were.
void followLook();
