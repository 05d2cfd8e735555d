// A hook library with the first six entry points only: the keyboard must refuse it.
#include <windows.h>

extern "C" {
void WINAPI InstallHook() {}
void WINAPI RemoveHook() {}
BOOL WINAPI CanInstallHook()
{
    return TRUE;
}
void WINAPI DisableHook() {}
void WINAPI EnableHook() {}
void WINAPI SetMainWindow(HWND) {}
}
