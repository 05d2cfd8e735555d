// Reading the program's own bitmap resources as the compiler wrote them.
#pragma once

#include <windows.h>

#include <vector>

struct ResourceBitmap {
    bool found = false;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<COLORREF> palette;
    // Top row first.
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const
    {
        return pixels[y * width + x];
    }
};

// A 1, 4 or 8 bits-per-pixel bitmap resource, its colours looked up in its own palette.
ResourceBitmap readBitmapResource(int id);

// The sixteen colours of the standard palette, in its order.
extern const COLORREF standardPalette[16];
