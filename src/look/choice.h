// The decisions of the keyboard's look, on settings and colours alone: which look applies, how far two
// colours stand apart as the Web Content Accessibility Guidelines 2.1 measure it, and which colour stands
// out.
#pragma once

#include <windows.h>

#include <vector>

// The setting, kept in the state record.
enum ColorsSetting : BYTE;

// Standard: the keyboard's own colours. System: the system's colour pairs and its message font.
enum class Look { standard, system };

// Windows' high contrast wins over the setting: whoever turns it on wants every program in its colours.
Look lookFor(ColorsSetting setting, bool highContrast);

// What a highlight or a progress needs against what is beside it, and what text needs against its ground.
constexpr double stateContrast = 3.0;
constexpr double textContrast = 4.5;

// 0 for black to 1 for white.
double relativeLuminance(COLORREF colour);
// From 1 (the same luminance) to 21 (black and white); the order of the two does not matter.
double contrastRatio(COLORREF a, COLORREF b);
// A highlight or a progress over the backgrounds: the system's highlight colour where it stands out by
// stateContrast from every one, else the first of a few strong colours that does, else the grey that comes
// nearest.
COLORREF standoutColour(COLORREF systemHighlight, const std::vector<COLORREF>& backgrounds);
// Text on a ground: the preferred colour where it reaches textContrast, else black or white, whichever
// stands farther from the ground.
COLORREF textColourOn(COLORREF ground, COLORREF preferred);
