// Driving the real keyboard program: waiting until its frame is ready and closing it.
#include "support/keyboard.h"

HWND waitForFrame(const Program& keyboard)
{
    HWND frame = waitForWindow(keyboard.id(), "Tilfay32", "Tilfay", startWait());
    const bool built = waitUntil([&] { return keyboard.hasLoaded("Tilmhk32.dll"); }, startWait());
    return frame && built && keyboard.waitForInputIdle(startWait()) ? frame : nullptr;
}

DWORD closeKeyboard(const Program& keyboard, HWND frame)
{
    PostMessageA(frame, WM_CLOSE, 0, 0);
    return keyboard.waitForExit(longWait);
}
