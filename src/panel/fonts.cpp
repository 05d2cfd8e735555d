// The key fonts: their faces and sizes per panel size, and which key shows which font.
#include "panel/fonts.h"

#include <cmath>

#include "keys/keytables.h"
#include "look/palette.h"
#include "state/appstate.h"

HFONT letterFont;
HFONT specialFont;
HFONT functionFont;
HFONT arrowFont;

namespace {

struct SizeFonts {
    const char* face;
    int letterPoints;
    int specialPoints;
    int functionPoints;
    int functionWeight;
};

constexpr SizeFonts fontsOfSize[5] = {
    {"Arial", 9, 7, 6, FW_BOLD},  {"System", 8, 7, 7, FW_NORMAL}, {"System", 10, 9, 7, FW_NORMAL},
    {"Helv", 12, 12, 8, FW_BOLD}, {"Helv", 14, 12, 9, FW_BOLD},
};

constexpr BYTE swissFamily = FF_SWISS | DEFAULT_PITCH;

HFONT makeFont(int height, int weight, BYTE charset, BYTE pitchAndFamily, const char* face)
{
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, charset, 0, 0, 0, pitchAndFamily, face);
}

void setFont(int keyId, HFONT font)
{
    SendMessageA(app.keyHandles[keyId], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void setGroupFont(int firstKey, int lastKey, HFONT font)
{
    for (int keyId = firstKey; keyId <= lastKey; ++keyId)
        setFont(keyId, font);
}

} // namespace

// Worked out in extended precision with the factor 1/72 first, then rounded half to even, so that
// every display resolution gives the same heights as the keyboard always had.
int fontHeight(int pixelsPerInch, int points)
{
    const long double pixels = static_cast<long double>(pixelsPerInch) * (1.0L / 72.0L) * points;
    return -static_cast<int>(std::nearbyint(pixels));
}

void createPanelFonts(HWND panel)
{
    const SizeFonts& size = fontsOfSize[app.keySize - 1];
    HDC dc = GetDC(panel);
    const int letterHeight = fontHeight(GetDeviceCaps(dc, LOGPIXELSY), size.letterPoints);
    const int specialHeight = fontHeight(GetDeviceCaps(dc, LOGPIXELSY), size.specialPoints);
    const int functionHeight = fontHeight(GetDeviceCaps(dc, LOGPIXELSY), size.functionPoints);
    ReleaseDC(panel, dc);
    letterFont = makeFont(letterHeight, FW_BOLD, ANSI_CHARSET, swissFamily, captionFace(size.face));
    specialFont = makeFont(specialHeight, FW_BOLD, ANSI_CHARSET, swissFamily, captionFace(size.face));
    functionFont =
        makeFont(functionHeight, size.functionWeight, ANSI_CHARSET, swissFamily, captionFace("Arial"));
    arrowFont = makeFont(0, FW_BOLD, SYMBOL_CHARSET, 0, "Wingdings");
}

// The space bars and the indicator lights keep the template's font.
void assignPanelFonts(bool nav)
{
    setGroupFont(firstLetterKey, lastLetterKey, letterFont);
    setPadFonts(nav);
    setGroupFont(firstFunctionKey, lastFunctionKey, functionFont);
    setGroupFont(firstPunctuationKey, lastPunctuationKey, letterFont);
    setGroupFont(firstSpecialKey, lastSpecialKey, specialFont);
}

void setPadFonts(bool nav)
{
    for (int keyId = firstPadKey; keyId <= lastPadKey; ++keyId)
        setFont(keyId, nav && isNavKey(keyId) ? arrowFont : letterFont);
}

// The keys take the new fonts before the old ones go.
void remakePanelFonts(HWND panel, bool nav)
{
    const HFONT old[] = {arrowFont, letterFont, specialFont, functionFont};
    createPanelFonts(panel);
    assignPanelFonts(nav);
    for (HFONT font : old)
        DeleteObject(font);
}

void deletePanelFonts()
{
    DeleteObject(arrowFont);
    DeleteObject(letterFont);
    DeleteObject(specialFont);
    DeleteObject(functionFont);
}
