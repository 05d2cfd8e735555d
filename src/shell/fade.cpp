// Fading: a layered frame that turns 40 % opaque after five seconds without a tap, and opaque again at once
// when a key is tapped or the pointer moves over it. Taps land on a faded frame as on an opaque one, since
// only its look changes.
#include "shell/fade.h"

#include "shell/appstate.h"

namespace {

// A timer of the frame's, numbered apart from the timers of other windows and of the frame's other uses.
constexpr UINT_PTR fadeTimer = 0x0A28;
constexpr UINT fadeCheckInterval = 250;
constexpr DWORD idleTime = 5000;
constexpr BYTE fadedAlpha = 255 * 40 / 100;
constexpr BYTE opaqueAlpha = 255;

struct Fading {
    DWORD lastUse;
    POINT lastPointer;
    bool faded;
};

Fading fading;

void setAlpha(HWND frame, BYTE alpha)
{
    SetLayeredWindowAttributes(frame, 0, alpha, LWA_ALPHA);
}

// A pointer that rests where the last tap left it does not count: a pen lifted from a key leaves it there.
bool pointerMovedOver(HWND frame)
{
    POINT pointer;
    if (!GetCursorPos(&pointer))
        return false;
    const bool moved = pointer.x != fading.lastPointer.x || pointer.y != fading.lastPointer.y;
    fading.lastPointer = pointer;
    RECT place;
    return moved && GetWindowRect(frame, &place) && PtInRect(&place, pointer);
}

void CALLBACK onFadeTimer(HWND frame, UINT, UINT_PTR, DWORD)
{
    if (pointerMovedOver(frame))
        showOpaque();
    else if (!fading.faded && GetTickCount() - fading.lastUse >= idleTime) {
        setAlpha(frame, fadedAlpha);
        fading.faded = true;
    }
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
    SetTimer(frame, fadeTimer, fadeCheckInterval, onFadeTimer);
}

void showOpaque()
{
    if (!app.fade)
        return;
    fading.lastUse = GetTickCount();
    if (fading.faded)
        setAlpha(app.mainWindow, opaqueAlpha);
    fading.faded = false;
}
