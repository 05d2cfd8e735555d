// Tilmhk32.dll: the state its seven entry points set (installed, enabled, main and keyboard window).
#include <windows.h>

#include "hooklib/tilmhk32.h"

namespace {

struct HookState {
    bool installed;
    bool enabled;
    HWND mainWindow;
    HWND keyboardWindow;
};

HookState hook;

} // namespace

extern "C" {

void WINAPI InstallHook()
{
    hook.installed = true;
}

void WINAPI RemoveHook()
{
    hook.installed = false;
}

BOOL WINAPI CanInstallHook()
{
    return !hook.installed;
}

void WINAPI DisableHook()
{
    hook.enabled = false;
}

void WINAPI EnableHook()
{
    hook.enabled = true;
}

void WINAPI SetMainWindow(HWND window)
{
    hook.mainWindow = window;
}

void WINAPI SetKeyboardWindow(HWND window)
{
    hook.keyboardWindow = window;
}
}
