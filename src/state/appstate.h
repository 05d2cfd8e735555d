// The one application state record and the modifier latches that every window shares.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

constexpr int lastKeyIdValue = 132;
// The caption bar across the top of the frame, above the strip and the panel.
constexpr int captionBarHeight = 10;

struct Point {
    int x;
    int y;
};

// The bounds of "Hover Time" and "Scan Time", in milliseconds, and their default.
constexpr int shortestSelectionTime = 300;
constexpr int longestSelectionTime = 5000;
constexpr int defaultSelectionTime = 1000;

// How a key is selected: by a click or tap, by resting the pointer on it, or by one switch that scans.
enum SelectKeys : BYTE { selectByClick, selectByHover, selectByScan };
// The scan's switch.
enum ScanSwitch : BYTE { switchSpace, switchEnter, switchClick };
// The colours the keyboard draws in: its own, or the system's colour pairs.
enum ColorsSetting : BYTE { colorsStandard, colorsSystem };
// The order of the scan's groups: the likely letters first, or the rows as the panel shows them.
enum ScanOrderSetting : BYTE { scanPredictive, scanByRows };

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
    // The screen less the taskbar and other desktop toolbars; the frame is anchored at its corner.
    RECT workArea;
    BYTE showNumbers;
    BYTE phoneLayout;
    BYTE showFunctionKeys;
    BYTE hardwareKeyboard;
    int keySize;
    BYTE closingAllowed;
    BYTE switchAllowed;
    BYTE keyRepeat;
    BYTE clickSound;
    BYTE fade;
    // Where the user left the frame's bottom-right corner; none while it is anchored at the work area's.
    std::optional<Point> framePosition;
    BYTE wordSuggestions;
    int parkingX;
    int parkingY;
    Point indicatorAnchors[3];
    BYTE navModeMirror;
    SelectKeys selectKeys;
    // Milliseconds, shortestSelectionTime to longestSelectionTime.
    int hoverTime;
    int scanTime;
    ScanSwitch scanSwitch;
    ColorsSetting colors;
    ScanOrderSetting scanOrder;
    // A stroke across the letters writes a word (in Click mode).
    BYTE shapeWriting;
    // One entry per pixel row and column of the panel, however large a scaled display makes it.
    std::vector<int> rowOfY;
    std::vector<int> columnOfX;
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
