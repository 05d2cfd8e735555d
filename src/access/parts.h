// The parts of the keyboard's windows that hands-free selection presses: finding one under a point, its
// rectangle, and pressing it through the handler a tap on it goes to.
#pragma once

#include "access/dwell.h"
#include "access/overlay.h"

HoverTarget targetAt(POINT screen);
RECT rectOfPart(const HoverTarget& target);
// The text the part shows and its font; nothing for a part that shows a picture.
PartCaption captionOfPart(const HoverTarget& target);
// A key stays pressed until releaseKey, so that holding it repeats or offers its forms; anything else is
// pressed and released at once.
void pressPart(const HoverTarget& target, POINT screen);
// The release of a key pressed by pressPart: the pointer, not a lift, ends it, so it chooses no form.
void releaseHoveredKey();
