// The scan's one switch: Space, Enter or a left click anywhere, taken on a thread of its own so that the
// application never sees it while "Select Keys" is "Scan".
#pragma once

#include <windows.h>

// Posted to the window: wParam 1 for the switch's press, 0 for its release.
constexpr UINT MSG_SCAN_SWITCH = 0x0A30;

void startScanSwitch(HWND listener);
// The switch is watched only while "Select Keys" is "Scan": called after it or "Scan Switch" may have
// changed. A switch still held keeps its watch until its release, which no application sees either.
void followSelectKeys();
// At each MSG_SCAN_SWITCH: the release of a switch that outlived the scan ends the watch.
void followSwitch(bool down);
void stopScanSwitch();
