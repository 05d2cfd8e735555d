// What hands-free selection draws over the keyboard: the fill of a hover's time and the frame of the scan's
// highlight, in colours that stand out from the keys, in windows that never take activation or clicks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What a part shows, drawn again on the fill so that the fill never hides it.
struct PartCaption {
    std::wstring text;
    HFONT font;
};

// Fills the part from the bottom up, to the given percent of its height; 0 hides the fill.
void showFill(const RECT& part, int percent, const PartCaption& caption);
// A frame of highlightWidth() pixels inside a screen rectangle; an empty rectangle hides it.
void showHighlight(const RECT& part);
// A frame inside each of the rectangles at once, the scan's group shown where its keys stand.
void showHighlights(const std::vector<RECT>& parts);
// Four pixels at 96 dots per inch, scaled with the display.
int highlightWidth();
