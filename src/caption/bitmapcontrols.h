// Bitmap controls: buttons and statics that paint the bitmap resource carrying their own id.
#pragma once

#include <windows.h>

constexpr const char* bitmapProperty = "BitMapProperty";

void captureButtonClass();
void captureStaticClass();
HWND makeBitmapButton(HWND parent, int id);
HWND makeBitmapStatic(HWND parent, int id);
LRESULT CALLBACK bitmapButtonProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK bitmapStaticProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
// The control's bitmap in two colours, its dark pixels in ink and its light ones in paper, so that the
// picture shows in any colour scheme.
void drawBitmapGlyph(HWND control, const DRAWITEMSTRUCT& item, COLORREF ink, COLORREF paper);
