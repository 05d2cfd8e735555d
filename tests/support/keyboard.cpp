// Driving the real keyboard program: waiting until its frame is ready and closing it.
#include "support/keyboard.h"

HWND waitForFrame(const Program& keyboard)
{
    HWND frame = waitForWindow(keyboard.id(), "Tilfay32", "Tilfay", startWait());
    // Messages posted once the hook library is loaded reach the message loop, not the frame's creation. Wine
    // lists no modules of a 32-bit program to a 64-bit one; there the idle message loop, which comes only
    // after the frame's creation has loaded the library, is the sign.
    const bool built =
        keyboard.isWow64() || waitUntil([&] { return keyboard.hasLoaded("Tilmhk32.dll"); }, startWait());
    return frame && built && keyboard.waitForInputIdle(startWait()) ? frame : nullptr;
}

DWORD closeKeyboard(const Program& keyboard, HWND frame)
{
    PostMessageA(frame, WM_CLOSE, 0, 0);
    return keyboard.waitForExit(longWait);
}
