// Tilmhk32.dll: its entry points, which install, silence and aim the pointer, focus and hardware key hooks.
#include "hooklib/tilmhk32.h"

#include "hooklib/focushook.h"
#include "hooklib/hardwarekeyhook.h"
#include "hooklib/hookstate.h"
#include "hooklib/pointerhook.h"

HookState hook;

bool reportsWanted()
{
    return hook.enabled && hook.mainWindow && hook.keyboardWindow;
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

// The hooks belong to the calling thread, which must fetch messages for them to be called. The library counts
// as installed only when every hook exists; otherwise none is left behind and CanInstallHook stays true.
void WINAPI InstallHook()
{
    if (hook.installed)
        return;
    const bool pointerSet = installPointerHook();
    const bool focusSet = installFocusHooks();
    hook.installed = pointerSet && focusSet;
    if (hook.installed) {
        watchHardwareKeys(hook.stripWindow != nullptr);
        return;
    }
    removePointerHook();
    removeFocusHooks();
}

void WINAPI RemoveHook()
{
    if (!hook.installed)
        return;
    removePointerHook();
    removeFocusHooks();
    watchHardwareKeys(false);
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
    reportOwedRelease();
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
    watchHardwareKeys(hook.installed && window);
}
}
