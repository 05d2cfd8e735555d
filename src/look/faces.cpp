// Faces of keys, cells and buttons: raised and sunken cells in the Standard look; in the System look the
// system's button face with a one-pixel edge in its text colour, inverted in the highlight colours while
// latched or pressed, so that every boundary and every state shows in any colour scheme.
#include "look/faces.h"

#include "look/palette.h"

namespace {

void fillRect(HDC dc, const RECT& r, COLORREF colour)
{
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void frameRect(HDC dc, const RECT& r, COLORREF colour)
{
    SetDCBrushColor(dc, colour);
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

COLORREF systemFace(HDC dc, const RECT& r, unsigned state)
{
    const LookColours& c = lookColours();
    const bool inverted = state & (facePressed | faceLatched);
    fillRect(dc, r, inverted ? c.latchedFace : c.keyFace);
    frameRect(dc, r, c.keyText);
    if (state & faceDisabled)
        return c.disabledText;
    return inverted ? c.latchedText : c.keyText;
}

COLORREF standardFace(HDC dc, RECT r, unsigned state)
{
    fillRect(dc, r, lookColours().cellFace);
    DrawEdge(dc, &r, state & facePressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    return lookColours().cellText;
}

unsigned faceStateOf(const DRAWITEMSTRUCT& item, bool latched)
{
    return (item.itemState & ODS_SELECTED ? facePressed : 0) | (latched ? faceLatched : 0) |
           (item.itemState & ODS_DISABLED ? faceDisabled : 0) |
           (item.itemState & ODS_FOCUS ? faceFocused : 0);
}

} // namespace

void drawFace(HDC dc, const RECT& r, const wchar_t* text, int length, HFONT font, unsigned state, UINT format)
{
    const COLORREF ink =
        currentLook() == Look::system ? systemFace(dc, r, state) : standardFace(dc, r, state);
    HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    RECT place = r;
    DrawTextW(dc, text, length, &place, DT_CENTER | DT_VCENTER | DT_SINGLELINE | format);
    SelectObject(dc, oldFont);
    if (state & faceFocused) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void drawButtonFace(const DRAWITEMSTRUCT& item, bool latched)
{
    wchar_t text[64];
    const int length = GetWindowTextW(item.hwndItem, text, 64);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    drawFace(item.hDC, item.rcItem, text, length, font, faceStateOf(item, latched), 0);
}
