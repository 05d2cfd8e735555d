// The panel's handlers of a press and its release: the key is shown pressed, processed and repeated.
#pragma once

#include <windows.h>

// pressTime: the time of the press's input event, 0 when unknown; lParam: its place on the panel.
INT_PTR onKeyPress(WPARAM pressTime, LPARAM lParam);
// Whether a press is one already taken: the same input event, reported by both the hook and the platform.
bool isDuplicatePress(DWORD pressTime, DWORD lastTime);
INT_PTR onKeyRelease();
