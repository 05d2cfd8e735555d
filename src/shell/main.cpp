// The program's entry: start-up in its fixed order.
#include "caption/bitmapcontrols.h"
#include "state/appstate.h"
#include "shell/frame.h"
#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // No library is ever loaded from the current directory, whatever a later load names.
    SetDllDirectoryA("");
    readSystemVersion();
    resetAppState();
    measureScreen();
    captureButtonClass();
    captureStaticClass();
    if (HWND running = findRunningInstance())
        bringForward(running);
    else
        runApplication();
    return 0;
}
