// Driving the real keyboard program: waiting until its frame is ready and closing it.
#pragma once

#include <windows.h>

#include "support/winprocess.h"

// The frame, once the keyboard has loaded its hook library and waits in its message loop: messages
// posted from then on reach that loop, not the creation of the frame.
HWND waitForFrame(const Program& keyboard);
// Closes the frame as the platform would and returns the keyboard's exit code.
DWORD closeKeyboard(const Program& keyboard, HWND frame);
