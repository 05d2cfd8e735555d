// The frame's remembered place: where a drag leaves it, looked up against the monitors as they are now.
#pragma once

#include <windows.h>

// The top-left corner for a frame of the size, at the remembered place or the work area's corner, inside
// the work area of the monitor nearest that place.
POINT framePlace(SIZE size);
// After the caption bar's drag: the place where the frame was dropped is remembered and saved, unless it is
// near the work area's corner, where the frame is anchored again.
void keepDroppedPlace(HWND frame);
