// Pointer input as a mouse or a pen gives it: through the platform's input stream, or from the X server.
#pragma once

#include <windows.h>

#include <vector>

using Inputs = std::vector<INPUT>;

// A move to a screen point; a move and a left-button press there; the release where the pointer is, or after
// a move to a point; a press and release at a point.
Inputs moveTo(POINT screen);
Inputs leftPressAt(POINT screen);
Inputs leftRelease();
Inputs leftReleaseAt(POINT screen);
Inputs leftClickAt(POINT screen);
Inputs rightClickAt(POINT screen);
Inputs operator+(Inputs first, const Inputs& second);

// The same, sent at once from this thread.
void movePointerTo(POINT screen);
void pressLeftButton();
void releaseLeftButton();
void clickAt(POINT screen);
// The centre of a window, in screen coordinates.
POINT centreOf(HWND window);

// Sends the inputs from another thread while this one goes on handling messages, as the keyboard's thread
// does while the user taps; returns once the platform has taken them all, the low-level hooks included.
void inject(const Inputs& inputs);

// The X server moves its pointer there (xdotool), as a mouse does; returns once Wine's cursor has followed.
// Unlike injected moves, these stay where they are when a window appears under the pointer.
void moveXPointerTo(POINT screen);

// A left click made by the X server itself (xdotool), from a thread of its own: the pointer moves to the
// screen point at once and clicks there after the delay. Its X events reach Wine in the thread that owns
// the window under the pointer, as a user's tap does, rather than through the input queue as injected
// input does. A second after the click the thread posts WM_NULL to the calling thread, so that a plain
// GetMessageA loop wakes up even if the click was lost. The caller waits for the thread and closes it.
HANDLE startXServerClickAt(POINT screen, DWORD delayMs);
