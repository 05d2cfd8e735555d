// The caption bar: the ten-pixel strip across the top of the frame with the menu grip, the title and the
// minimise and close buttons.
#pragma once

#include <windows.h>

// Creates the bar as a child dialog of the frame; ends the process when that fails.
HWND createCaptionBar(HWND frame);
// Places the controls for the current visible width; only while a bar exists.
void layoutCaptionBar();
// True for the parts of the bar that need the frame active: the background and title, which drag it, and
// the menu grip.
bool isCaptionGrip(HWND window);
// The frame's own system menu, popped up just below the bar.
void showFrameMenu();
INT_PTR CALLBACK captionBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);
