// Real pointer input through SendInput, at screen coordinates.
#include "support/pointerinput.h"

namespace
{

void sendMouse(DWORD flags, LONG dx = 0, LONG dy = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// Absolute coordinates run from 0 to 65535 across the screen; the middle of each pixel's range is taken.
LONG normalised(LONG pixel, int screenExtent)
{
    return static_cast<LONG>((pixel * 65536LL + 32768) / screenExtent);
}

} // namespace

void movePointerTo(POINT screen)
{
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, normalised(screen.x, GetSystemMetrics(SM_CXSCREEN)),
              normalised(screen.y, GetSystemMetrics(SM_CYSCREEN)));
}

void pressLeftButton()
{
    sendMouse(MOUSEEVENTF_LEFTDOWN);
}

void releaseLeftButton()
{
    sendMouse(MOUSEEVENTF_LEFTUP);
}

void clickAt(POINT screen)
{
    movePointerTo(screen);
    pressLeftButton();
    releaseLeftButton();
}

POINT centreOf(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
