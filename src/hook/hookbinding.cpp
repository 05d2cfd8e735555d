// Binding to Tilmhk32.dll, loaded at run time so that a missing library can be reported rather than
// stopping the program before it starts.
#include "hook/hookbinding.h"

#include "hooklib/tilmhk32.h"
#include "shell/appstate.h"
#include "shell/fatal.h"

namespace {

struct HookEntries {
    VoidEntry installHook;
    VoidEntry removeHook;
    BoolEntry canInstallHook;
    VoidEntry disableHook;
    VoidEntry enableHook;
    WindowEntry setMainWindow;
    WindowEntry setKeyboardWindow;
};

HMODULE hookLibrary;
HookEntries entries;

template <typename Entry> Entry entryAt(HookOrdinal ordinal)
{
    return reinterpret_cast<Entry>(
        reinterpret_cast<void*>(GetProcAddress(hookLibrary, MAKEINTRESOURCEA(ordinal))));
}

bool bindEntries()
{
    entries.installHook = entryAt<VoidEntry>(ordinalInstallHook);
    entries.removeHook = entryAt<VoidEntry>(ordinalRemoveHook);
    entries.canInstallHook = entryAt<BoolEntry>(ordinalCanInstallHook);
    entries.disableHook = entryAt<VoidEntry>(ordinalDisableHook);
    entries.enableHook = entryAt<VoidEntry>(ordinalEnableHook);
    entries.setMainWindow = entryAt<WindowEntry>(ordinalSetMainWindow);
    entries.setKeyboardWindow = entryAt<WindowEntry>(ordinalSetKeyboardWindow);
    return entries.installHook && entries.removeHook && entries.canInstallHook && entries.disableHook &&
           entries.enableHook && entries.setMainWindow && entries.setKeyboardWindow;
}

} // namespace

void loadHookLibrary()
{
    hookLibrary = LoadLibraryA("Tilmhk32.dll");
    if (!hookLibrary || !bindEntries())
        fatalError(fatalCannotLoadHook);
}

void freeHookLibrary()
{
    const bool freed = FreeLibrary(hookLibrary);
    hookLibrary = nullptr;
    entries = HookEntries{};
    if (!freed)
        fatalError(fatalCannotFreeHook);
}

void activateHook(HWND frame)
{
    if (!CanInstallHook())
        return;
    InstallHook();
    SetMainWindow(frame);
    SetKeyboardWindow(app.keyboardPanel);
    EnableHook();
}

void InstallHook()
{
    if (entries.installHook)
        entries.installHook();
}

void RemoveHook()
{
    if (entries.removeHook)
        entries.removeHook();
}

bool CanInstallHook()
{
    return entries.canInstallHook && entries.canInstallHook();
}

void DisableHook()
{
    if (entries.disableHook)
        entries.disableHook();
}

void EnableHook()
{
    if (entries.enableHook)
        entries.enableHook();
}

void SetMainWindow(HWND window)
{
    if (entries.setMainWindow)
        entries.setMainWindow(window);
}

void SetKeyboardWindow(HWND window)
{
    if (entries.setKeyboardWindow)
        entries.setKeyboardWindow(window);
}
