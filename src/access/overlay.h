// What hands-free selection draws over the keyboard: the bar of a hover's time and the frame of the scan's
// highlight, in the system's highlight colour, in windows that never take activation or clicks.
#pragma once

#include <windows.h>

#include <vector>

// The bar along the bottom of a screen rectangle, filled to the given percent; 0 hides it.
void showFillBar(const RECT& part, int percent);
// A frame of highlightWidth pixels inside a screen rectangle; an empty rectangle hides it.
void showHighlight(const RECT& part);
// A frame inside each of the rectangles at once, the scan's group shown where its keys stand.
void showHighlights(const std::vector<RECT>& parts);

constexpr int highlightWidth = 3;
