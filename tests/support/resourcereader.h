// Reading the program's own resources as the compiler wrote them: dialog templates and bitmaps.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct TemplateItem {
    DWORD style;
    DWORD exStyle;
    int x, y, cx, cy;
    int id;
    // Predefined classes given by atom are named as the platform names them ("BUTTON", "STATIC", ...).
    std::string className;
    std::string text;
};

struct DialogTemplate {
    bool found = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string menu;
    std::string className;
    std::string title;
    // Only when the style has DS_SETFONT.
    int pointSize = 0;
    std::string font;
    std::vector<TemplateItem> items;
};

DialogTemplate readDialogTemplate(const char* name);

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
