// Fatal errors end the process at once, without the keyboard's own shut-down.
#include "state/fatal.h"

#include <windows.h>

const char* fatalErrorText(int code)
{
    switch (code) {
    case fatalOldWindows: return "Requires Windows 3.5 or later";
    case fatalCannotLoadHook: return "Cannot load Tilmhook32.dll";
    case fatalCannotFreeHook: return "Cannot free Tilmhook32.dll";
    case fatalRegisterFailed: return "Register failed";
    case fatalMainWindowFailed: return "Main window creation failed";
    case fatalKeyboardFailed: return "Keyboard creation failed";
    case fatalCaptionFailed: return "Caption creation failed";
    default: return "";
    }
}

void fatalError(int code)
{
    MessageBoxA(nullptr, fatalErrorText(code), "Tilfay Keyboard", MB_ICONERROR);
    ExitProcess(static_cast<UINT>(code));
}
