// The path of a swallowed press on the keyboard window, gathered on the hook thread while the press lasts and
// taken by the keyboard's thread in batches.
#pragma once

#include <windows.h>

#include "hooklib/tilmhk32.h"

// A new path, from the press's point, for the window that took the press; the points before are dropped.
void startStrokePath(HWND window, StrokePoint press);
// A point of the pointer's moves; it is kept once it stands strokeStep pixels from the last one kept, and
// always when it is the release's, which ends the path.
void followStrokePath(StrokePoint point, bool release);
