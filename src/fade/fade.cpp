// Fading: a layered frame that turns 40 % opaque after five seconds without a tap, and opaque again at once
// when a key is tapped or the pointer moves over it. Taps land on a faded frame as on an opaque one, since
// only its look changes.
#include "fade/fade.h"

#include "state/appstate.h"

namespace {

// A timer of the frame's, numbered apart from the timers of other windows and of the frame's other uses.
constexpr UINT_PTR fadeTimer = 0x0A28;
constexpr UINT idleTime = 5000;
constexpr BYTE fadedAlpha = 255 * 40 / 100;
constexpr BYTE opaqueAlpha = 255;

struct Fading {
    POINT lastPointer;
    bool faded;
};

Fading fading;

void setAlpha(HWND frame, BYTE alpha)
{
    SetLayeredWindowAttributes(frame, 0, alpha, LWA_ALPHA);
}

void CALLBACK onFadeTimer(HWND frame, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(frame, timer);
    setAlpha(frame, fadedAlpha);
    fading.faded = true;
}

} // namespace

void applyFade(HWND frame)
{
    const LONG_PTR style = GetWindowLongPtrA(frame, GWL_EXSTYLE);
    if (!app.fade) {
        KillTimer(frame, fadeTimer);
        if (style & WS_EX_LAYERED) {
            SetWindowLongPtrA(frame, GWL_EXSTYLE, style & ~WS_EX_LAYERED);
            RedrawWindow(frame, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
        }
        return;
    }
    SetWindowLongPtrA(frame, GWL_EXSTYLE, style | WS_EX_LAYERED);
    GetCursorPos(&fading.lastPointer);
    fading.faded = true;
    showOpaque();
}

// Setting the timer again starts the idle time afresh.
void showOpaque()
{
    if (!app.fade)
        return;
    if (fading.faded)
        setAlpha(app.mainWindow, opaqueAlpha);
    fading.faded = false;
    SetTimer(app.mainWindow, fadeTimer, idleTime, onFadeTimer);
}

// The platform also reports a pointer that has not moved, when a window changes under it; a pointer left
// resting where the last tap put it, as a lifted pen leaves it, does not count.
void pointerOverFrame()
{
    POINT pointer;
    if (!app.fade || !GetCursorPos(&pointer) ||
        (pointer.x == fading.lastPointer.x && pointer.y == fading.lastPointer.y))
        return;
    fading.lastPointer = pointer;
    showOpaque();
}
