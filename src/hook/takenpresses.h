// The presses already taken: one click can reach the keyboard twice, reported by the hook and delivered to
// the window directly, and both carry the time of its one input event.
#pragma once

#include <windows.h>

// True, and remembered, for a press not taken before; false for one whose time was taken already. A time of
// 0 is unknown and always taken.
bool takeNewPress(DWORD pressTime);
