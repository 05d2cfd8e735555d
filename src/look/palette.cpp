// The colours of the two looks: the Standard look keeps the keyboard's own, the System look takes the
// system's colour pairs; in both the highlight and the fill are chosen to stand out from what is beside them.
#include "look/palette.h"

#include "state/appstate.h"

namespace {

constexpr COLORREF navyPanel = RGB(0, 0, 64);
constexpr COLORREF cellGrey = RGB(232, 224, 224);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF navyCaption = RGB(0, 0, 128);
constexpr COLORREF darkRed = RGB(32, 0, 0);

bool lookRead;
Look look;
LookColours colours;
LookBrushes brushes;
char messageFace[LF_FACESIZE];

bool highContrastOn()
{
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

void readMessageFace()
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    messageFace[0] = '\0';
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        lstrcpynA(messageFace, metrics.lfMessageFont.lfFaceName, LF_FACESIZE);
}

// The scan's frame lies over the panel and the faces, a rest's fill over a face.
void chooseStandouts(LookColours& c)
{
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    c.highlight = standoutColour(highlight, {c.panel, c.keyFace, c.cellFace, c.dialog});
    c.fill = standoutColour(highlight, {c.keyFace, c.cellFace});
    c.fillText = textColourOn(c.fill, GetSysColor(COLOR_HIGHLIGHTTEXT));
}

// The Standard look keeps the keyboard's own colours; its keys are the platform's buttons, in the system's
// button colours.
LookColours coloursOf(Look look)
{
    const bool system = look == Look::system;
    LookColours c{};
    c.panel = system ? GetSysColor(COLOR_WINDOW) : navyPanel;
    c.keyFace = GetSysColor(COLOR_BTNFACE);
    c.keyText = GetSysColor(COLOR_BTNTEXT);
    c.latchedFace = system ? GetSysColor(COLOR_HIGHLIGHT) : c.keyFace;
    c.latchedText = system ? GetSysColor(COLOR_HIGHLIGHTTEXT) : c.keyText;
    c.disabledText = GetSysColor(COLOR_GRAYTEXT);
    c.cellFace = system ? c.keyFace : cellGrey;
    c.cellText = system ? c.keyText : black;
    c.captionBar = system ? c.panel : navyCaption;
    c.captionText = system ? GetSysColor(COLOR_WINDOWTEXT) : white;
    c.dialog = system ? c.panel : darkRed;
    chooseStandouts(c);
    return c;
}

void makeBrushes()
{
    const LookBrushes old = brushes;
    brushes = LookBrushes{CreateSolidBrush(colours.panel), CreateSolidBrush(colours.captionBar),
                          CreateSolidBrush(colours.dialog), CreateSolidBrush(colours.highlight),
                          CreateSolidBrush(colours.fill)};
    for (HBRUSH brush : {old.panel, old.captionBar, old.dialog, old.highlight, old.fill})
        if (brush)
            DeleteObject(brush);
}

void readLookOnce()
{
    if (!lookRead)
        readLook();
}

} // namespace

void readLook()
{
    lookRead = true;
    look = lookFor(app.colors, highContrastOn());
    colours = coloursOf(look);
    makeBrushes();
    readMessageFace();
}

Look currentLook()
{
    readLookOnce();
    return look;
}

const LookColours& lookColours()
{
    readLookOnce();
    return colours;
}

const LookBrushes& lookBrushes()
{
    readLookOnce();
    return brushes;
}

const char* captionFace(const char* standardFace)
{
    readLookOnce();
    return look == Look::system && messageFace[0] ? messageFace : standardFace;
}
