// Tilmhk32.dll: its entry points, which install, silence and aim the pointer, focus and hardware key hooks.
#include "hooklib/tilmhk32.h"

#include "hooklib/focushook.h"
#include "hooklib/hookstate.h"
#include "hooklib/hookthread.h"

HookState hook;

bool reportsWanted()
{
    return hook.enabled && hook.mainWindow.load() && hook.keyboardWindow.load();
}

bool takesPresses(HWND window)
{
    return window && (window == hook.keyboardWindow || window == hook.stripWindow);
}

extern "C" {

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        hook.module = module;
    return TRUE;
}

// The hooks belong to the library's own thread, which InstallHook starts and RemoveHook ends. The library
// counts as installed only when every hook exists; otherwise none is left behind and CanInstallHook stays
// true.
void WINAPI InstallHook()
{
    if (hook.installed)
        return;
    hook.installed = startHookThread();
    if (hook.installed && hook.stripWindow)
        askHookThreadToWatchHardwareKeys(true);
}

void WINAPI RemoveHook()
{
    if (!hook.installed)
        return;
    stopHookThread();
    hook.installed = false;
    hook.enabled = false;
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
    askHookThreadToReportOwedRelease();
}

void WINAPI SetMainWindow(HWND window)
{
    hook.mainWindow = window;
}

void WINAPI SetKeyboardWindow(HWND window)
{
    if (window != hook.keyboardWindow)
        forgetReportedFocus();
    hook.keyboardWindow = window;
}

// The hardware key hook costs every key typed on the desktop a trip into this process: it is set only while
// a strip wants to hear of them.
void WINAPI SetStripWindow(HWND window)
{
    hook.stripWindow = window;
    if (hook.installed)
        askHookThreadToWatchHardwareKeys(window != nullptr);
}

// The platform drops a low-level hook that once took too long without telling anyone: every hook is set
// afresh, each before its old one goes, so that no input passes between the two unhooked. Hooks that could
// not be set at all are tried again.
void WINAPI RenewHook()
{
    if (hook.installed)
        askHookThreadToRenewHooks();
    else
        InstallHook();
}
}
