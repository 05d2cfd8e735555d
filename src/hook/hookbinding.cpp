// Binding to Tilmhk32.dll, loaded at run time so that a missing library can be reported rather than
// stopping the program before it starts.
#include "hook/hookbinding.h"

#include <string>

#include "hooklib/tilmhk32.h"
#include "state/appstate.h"
#include "state/fatal.h"

namespace {

constexpr const char* hookLibraryName = "Tilmhk32.dll";

struct HookEntries {
    VoidEntry installHook;
    VoidEntry removeHook;
    BoolEntry canInstallHook;
    VoidEntry disableHook;
    VoidEntry enableHook;
    WindowEntry setMainWindow;
    WindowEntry setKeyboardWindow;
    WindowEntry setStripWindow;
    VoidEntry renewHook;
    StrokePointsEntry takeStrokePoints;
};

HMODULE hookLibrary;
HookEntries entries;
// Handed over by whoever makes the strip; the hook reports presses on it while it stands.
HWND stripWindow;

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
    // Optional: a library without it serves a keyboard without suggestions.
    entries.setStripWindow = entryAt<WindowEntry>(ordinalSetStripWindow);
    entries.renewHook = entryAt<VoidEntry>(ordinalRenewHook);
    // Optional: a library without it serves a keyboard whose presses are all taps.
    entries.takeStrokePoints = entryAt<StrokePointsEntry>(ordinalTakeStrokePoints);
    return entries.installHook && entries.removeHook && entries.canInstallHook && entries.disableHook &&
           entries.enableHook && entries.setMainWindow && entries.setKeyboardWindow;
}

// Beside the program and nowhere else: a search would find a copy planted in the current directory or on
// the PATH.
std::string hookLibraryPath()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "";
    const std::string program(path, length);
    return program.substr(0, program.find_last_of('\\') + 1) + hookLibraryName;
}

} // namespace

void loadHookLibrary()
{
    const std::string path = hookLibraryPath();
    hookLibrary =
        path.empty() ? nullptr : LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!hookLibrary || !bindEntries())
        fatalError(fatalCannotLoadHook);
}

// A library that was never loaded (the frame was closed while it was still being built) needs no freeing.
void freeHookLibrary()
{
    if (!hookLibrary)
        return;
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
    SetStripWindow(stripWindow);
    EnableHook();
}

// The platform removes a low-level hook that once took too long without telling anyone; setting it afresh
// is harmless when it was still there. A library that cannot renew its hooks in place, or whose install
// failed (CanInstallHook still says yes), has them removed and installed again.
void renewHook()
{
    if (entries.renewHook && !CanInstallHook()) {
        entries.renewHook();
        return;
    }
    RemoveHook();
    activateHook(app.mainWindow);
}

void handStripWindow(HWND strip)
{
    stripWindow = strip;
    SetStripWindow(strip);
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

void SetStripWindow(HWND window)
{
    if (entries.setStripWindow)
        entries.setStripWindow(window);
}

UINT TakeStrokePoints(UINT press, StrokePoint* points, UINT room)
{
    return entries.takeStrokePoints ? entries.takeStrokePoints(press, points, room) : 0;
}
