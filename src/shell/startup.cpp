// Start-up: the system version, the single-instance rule and the message loop.
#include "shell/startup.h"

#include <objbase.h>

#include "access/hover.h"
#include "access/scan.h"
#include "panel/directpress.h"
#include "state/appstate.h"
#include "state/fatal.h"
#include "shell/frame.h"
#include "suggestions/strip.h"

int systemVersion;

namespace {

constexpr int oldestSystemVersion = 350;

// A close during start-up destroys the frame inside its creation and leaves the quit message waiting.
bool quitRequested()
{
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
}

void runMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (takeDirectPress(msg) || takeStripPress(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace

void readSystemVersion()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    GetVersionExA(&info);
    systemVersion = static_cast<int>(info.dwMajorVersion * 100 + info.dwMinorVersion);
}

HWND findRunningInstance()
{
    return FindWindowA(frameClassName, frameTitle);
}

void bringForward(HWND running)
{
    if (IsIconic(running))
        ShowWindow(running, SW_RESTORE);
    BringWindowToTop(GetLastActivePopup(running));
}

// COM is started once, here, for the accessibility questions that recognise password boxes and for help.
void runApplication()
{
    if (systemVersion < oldestSystemVersion)
        fatalError(fatalOldWindows);
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    if (!registerFrameClass())
        fatalError(fatalRegisterFailed);
    HWND frame = createFrame();
    if (!frame && !quitRequested())
        fatalError(fatalMainWindowFailed);
    ShowWindow(frame, SW_SHOWDEFAULT);
    UpdateWindow(frame);
    startHoverWatch();
    startScan();
    runMessageLoop();
    stopScan();
    stopHoverWatch();
    if (SUCCEEDED(com))
        CoUninitialize();
}
