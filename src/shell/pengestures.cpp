// Pen taps that arrive at once. With a pen the platform holds a press back until it knows whether it is a
// press-and-hold (a right click), and may turn a stroke into a flick; the keyboard wants neither.
#include "shell/pengestures.h"

namespace {

constexpr const char* penServiceProperty = "MicrosoftTabletPenServiceProperty";
constexpr ULONG_PTR disablePressAndHold = 0x00000001;
constexpr ULONG_PTR disableFlicks = 0x00010000;

} // namespace

void turnOffPenGestures(HWND window)
{
    SetPropA(window, penServiceProperty, reinterpret_cast<HANDLE>(disablePressAndHold | disableFlicks));
}

void forgetPenGestures(HWND window)
{
    RemovePropA(window, penServiceProperty);
}
