// Faces drawn in the current look: the strip's and the forms' cells always, and in the System look the keys
// and the options' buttons too, which are owner-drawn there.
#pragma once

#include <windows.h>

// A face's state, any of these together.
constexpr unsigned facePressed = 1;
constexpr unsigned faceLatched = 2;
constexpr unsigned faceDisabled = 4;
constexpr unsigned faceFocused = 8;

// Fills the rectangle with the face and centres the text on one line in the font, with DrawText's format
// flags added to those.
void drawFace(HDC dc, const RECT& r, const wchar_t* text, int length, HFONT font, unsigned state,
              UINT format);
// An owner-drawn button of the System look with its own text and font; a latched key is drawn inverted.
void drawButtonFace(const DRAWITEMSTRUCT& item, bool latched);
