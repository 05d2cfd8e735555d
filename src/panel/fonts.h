// The four key fonts of the panel, made for the current size.
#pragma once

#include <windows.h>

extern HFONT letterFont;
extern HFONT specialFont;
extern HFONT functionFont;
extern HFONT arrowFont;

// A font height in pixels for a point size: negative, asking for that character height.
int fontHeight(int pixelsPerInch, int points);
void createPanelFonts(HWND panel);
void assignPanelFonts(bool nav);
void setPadFonts(bool nav);
// The fonts of the look that applies now, in place of those the keys show.
void remakePanelFonts(HWND panel, bool nav);
void deletePanelFonts();
