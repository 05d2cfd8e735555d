// The keys' faces: the platform's push buttons in the Standard look, owner-drawn in the System look.
#pragma once

#include <windows.h>

// Gives every key of the panel the button type of the current look and repaints it.
void applyKeyLook();
// Draws a key of the System look; false for a control that is no key.
bool drawKey(const DRAWITEMSTRUCT& item);
