// Pen taps that arrive at once. With a pen the platform holds a press back until it knows whether it is a
// press-and-hold (a right click), and may turn a stroke into a flick; the keyboard wants neither.
#include "state/pengestures.h"

namespace {

constexpr const char* penServiceProperty = "MicrosoftTabletPenServiceProperty";
constexpr ULONG_PTR disablePressAndHold = 0x00000001;
constexpr ULONG_PTR disableFlicks = 0x00010000;

BOOL CALLBACK turnOffFor(HWND window, LPARAM)
{
    SetPropA(window, penServiceProperty, reinterpret_cast<HANDLE>(disablePressAndHold | disableFlicks));
    return TRUE;
}

BOOL CALLBACK forgetFor(HWND window, LPARAM)
{
    RemovePropA(window, penServiceProperty);
    return TRUE;
}

} // namespace

// The platform looks at the window under the pen, which is a key or a button more often than not.
void turnOffPenGestures(HWND window)
{
    turnOffFor(window, 0);
    EnumChildWindows(window, turnOffFor, 0);
}

void forgetPenGestures(HWND window)
{
    forgetFor(window, 0);
    EnumChildWindows(window, forgetFor, 0);
}
