// Where the frame goes: the pure decisions, taking the work areas as inputs.
#pragma once

#include <windows.h>

#include <optional>

#include "state/appstate.h"

// A frame dropped this close to the corner of the work area, in both directions, is anchored there again.
constexpr int cornerSnap = 16;

// The frame's top-left corner for its size: its bottom-right corner at the remembered point, or at the
// area's corner when none is remembered; either way wholly inside the area. A frame larger than the area
// keeps its top-left corner, and with it the caption bar, inside.
POINT frameTopLeft(SIZE size, const std::optional<Point>& remembered, const RECT& area);
// After a drag: the bottom-right corner to remember for the frame dropped there, or none when it lies
// within cornerSnap pixels of the corner of the work area that it is anchored to.
std::optional<Point> droppedCorner(const RECT& dropped, const RECT& cornerArea);
