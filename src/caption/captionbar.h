// The caption bar: the ten-pixel strip across the top of the frame with the menu grip, the title and the
// minimise and close buttons.
#pragma once

#include <windows.h>

// Creates the bar as a child dialog of the frame; ends the process when that fails.
HWND createCaptionBar(HWND frame);
// Places the controls for the current visible width; only while a bar exists.
void layoutCaptionBar();
// True for the bar and its controls, which need the frame active for a left press: the background and title
// drag it, the grip opens the frame menu, and the platform's buttons take the focus while pressed.
bool isCaptionGrip(HWND window);
// The frame's own system menu, popped up just below the bar.
void showFrameMenu();
INT_PTR CALLBACK captionBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);
