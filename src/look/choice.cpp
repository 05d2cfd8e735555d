// The look's decisions: no window calls, so that table cases give them colours written out.
#include "look/choice.h"

#include <algorithm>
#include <cmath>

#include "state/appstate.h"

namespace {

constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF yellow = RGB(255, 255, 0);
// Mid-way in luminance: it stands out from a dark panel and from light keys at once.
constexpr COLORREF raspberry = RGB(220, 0, 110);

// One sRGB channel, 0 to 255, as linear light.
double linear(BYTE channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double leastContrast(COLORREF colour, const std::vector<COLORREF>& backgrounds)
{
    double least = 21.0;
    for (COLORREF background : backgrounds)
        least = std::min(least, contrastRatio(colour, background));
    return least;
}

} // namespace

Look lookFor(ColorsSetting setting, bool highContrast)
{
    return setting == colorsSystem || highContrast ? Look::system : Look::standard;
}

double relativeLuminance(COLORREF colour)
{
    return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) +
           0.0722 * linear(GetBValue(colour));
}

double contrastRatio(COLORREF a, COLORREF b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Contrast depends on luminance alone, so the greys reach whatever any colour could.
COLORREF standoutColour(COLORREF systemHighlight, const std::vector<COLORREF>& backgrounds)
{
    for (COLORREF candidate : {systemHighlight, yellow, raspberry, black, white})
        if (leastContrast(candidate, backgrounds) >= stateContrast)
            return candidate;
    COLORREF best = black;
    for (int level = 0; level <= 255; ++level) {
        const COLORREF grey = RGB(level, level, level);
        if (leastContrast(grey, backgrounds) > leastContrast(best, backgrounds))
            best = grey;
    }
    return best;
}

COLORREF textColourOn(COLORREF ground, COLORREF preferred)
{
    if (contrastRatio(preferred, ground) >= textContrast)
        return preferred;
    return contrastRatio(black, ground) >= contrastRatio(white, ground) ? black : white;
}
