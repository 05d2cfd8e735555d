// The frame: the keyboard's one top-level window, which builds and tears down everything inside it.
#pragma once

#include <windows.h>

constexpr const char* frameClassName = "Tilfay32";
constexpr const char* frameTitle = "Tilfay";
constexpr int captionBarHeight = 10;

void measureScreen();
bool registerFrameClass();
HWND createFrame();
LRESULT CALLBACK frameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);
void placeFrame(HWND frame);
void pumpPendingMessages();
