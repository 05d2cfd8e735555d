// Fading: with "Fade" on, the frame lets the work behind it show through while the keyboard is not in use.
#pragma once

#include <windows.h>

// Makes the frame layered and starts watching for idleness when "Fade" is on; undoes both when it is off.
void applyFade(HWND frame);
// A tap: the keyboard is opaque again at once and the idle time starts afresh.
void showOpaque();
// The pointer over any part of the frame: the same, once it has moved.
void pointerOverFrame();
