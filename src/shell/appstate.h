// The one application state record and the modifier latches that every window shares.
#pragma once

#include <windows.h>

constexpr int lastKeyIdValue = 132;
constexpr int rowTableSize = 401;
constexpr int columnTableSize = 801;

struct Point {
    int x;
    int y;
};

struct AppState {
    HWND mainWindow;
    HWND captionBar;
    HWND keyboardPanel;
    HWND targetWindow;
    HWND keyHandles[lastKeyIdValue + 1];
    int fullWidth;
    int fullHeight;
    int compactWidth;
    int compactHeight;
    int screenWidth;
    int screenHeight;
    BYTE showNumbers;
    BYTE phoneLayout;
    BYTE showFunctionKeys;
    BYTE hardwareKeyboard;
    int keySize;
    BYTE closingAllowed;
    BYTE switchAllowed;
    BYTE keyRepeat;
    int parkingX;
    int parkingY;
    Point indicatorAnchors[3];
    BYTE navModeMirror;
    int rowOfY[rowTableSize];
    int columnOfX[columnTableSize];
};

// Always cleared together as one block.
struct ModifierLatches {
    BYTE shiftLatch;
    BYTE ctrlLatch;
    BYTE altLatch;
    BYTE capsLatch;
    BYTE navLatch;
};

extern AppState app;
extern ModifierLatches latches;
extern int lastKeyId;

int visibleWidth();
int visibleHeight();

// Clears the three main handles before any window exists.
void resetAppState();
