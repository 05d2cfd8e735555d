// The trail of a stroke: its path drawn over the keys while it is drawn, in a window that never takes the
// focus, the activation or a click.
#pragma once

#include <vector>

#include "hooklib/tilmhk32.h"

// The path in the panel's coordinates; points off the keyboard break it.
void showTrail(const std::vector<StrokePoint>& path);
void hideTrail();
