// The frame: the keyboard's one top-level window, which builds and tears down everything inside it.
#pragma once

#include <windows.h>

constexpr const char* frameClassName = "Tilfay32";
constexpr const char* frameTitle = "Tilfay";

// The screen's size and the work area.
void measureScreen();
void measureWorkArea();
bool registerFrameClass();
HWND createFrame();
LRESULT CALLBACK frameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);
void placeFrame(HWND frame);
// Sizes the frame to the visible part of the panel with its bottom-right corner where the user left it, or
// on the work area's.
void anchorFrame(HWND frame);
void pumpPendingMessages();
