// A stand-in for the keyboard's frame: a visible top-level popup that real panels and caption bars can be
// created in, inside the test's own process.
#pragma once

#include <windows.h>

HWND createTestFrame(int width = 800, int height = 500);
// A fresh application state and a real panel of the size in a stand-in frame, with the pad and the
// function row shown; returns the frame (app.mainWindow), the panel is app.keyboardPanel.
HWND createTestKeyboard(int keySize);
// The colour of a pixel of a window as the screen shows it.
COLORREF screenPixel(HWND window, int x, int y);
// The colour of a pixel of a bitmap resource of this program.
COLORREF bitmapPixel(int bitmapId, int x, int y);
SIZE bitmapSize(int bitmapId);
