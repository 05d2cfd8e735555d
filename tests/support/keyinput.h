// Key presses as a hardware keyboard gives them, through the platform's input stream.
#pragma once

#include <windows.h>

#include <initializer_list>

// Presses and releases the key, with the modifier keys held down around it; the platform sends the
// strokes to the window that has the keyboard focus.
void pressKey(WORD virtualKey, std::initializer_list<WORD> held = {});
