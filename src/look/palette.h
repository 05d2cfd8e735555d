// The one place where every window of the keyboard finds its colours, brushes and caption face in the look
// that applies now; read again whenever the setting, the system's colours or high contrast change.
#pragma once

#include <windows.h>

#include "look/choice.h"

struct LookColours {
    // Behind the keys, the strip's cells and the forms.
    COLORREF panel;
    // A key's face and caption; in the System look the caption's colour also draws the key's edge.
    COLORREF keyFace;
    COLORREF keyText;
    // A latched, locked or pressed key in the System look.
    COLORREF latchedFace;
    COLORREF latchedText;
    COLORREF disabledText;
    // The strip's and the forms' cells.
    COLORREF cellFace;
    COLORREF cellText;
    COLORREF captionBar;
    COLORREF captionText;
    COLORREF dialog;
    // The scan's frame stands out from the panel and the faces, a rest's fill from the faces, and the
    // caption drawn on the fill from the fill.
    COLORREF highlight;
    COLORREF fill;
    COLORREF fillText;
};

struct LookBrushes {
    HBRUSH panel;
    HBRUSH captionBar;
    HBRUSH dialog;
    HBRUSH highlight;
    HBRUSH fill;
};

// Reads the setting "Colors", high contrast and the system's colours, and makes the brushes anew.
void readLook();
Look currentLook();
const LookColours& lookColours();
const LookBrushes& lookBrushes();
// A caption's font face: the standard one, or in the System look the face of the system's message font.
const char* captionFace(const char* standardFace);
