// Tilmhk32.dll loaded and bound by ordinal as the keyboard binds it, for tests that drive it themselves.
#include "support/hooklibrary.h"

namespace {

template <typename Entry> Entry entryAt(HMODULE module, HookOrdinal ordinal)
{
    return reinterpret_cast<Entry>(
        reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
}

} // namespace

HookLibrary::~HookLibrary()
{
    if (module_)
        FreeLibrary(module_);
}

bool HookLibrary::load(const std::string& path)
{
    module_ = LoadLibraryA(path.c_str());
    if (!module_)
        return false;
    installHook = entryAt<VoidEntry>(module_, ordinalInstallHook);
    removeHook = entryAt<VoidEntry>(module_, ordinalRemoveHook);
    canInstallHook = entryAt<BoolEntry>(module_, ordinalCanInstallHook);
    disableHook = entryAt<VoidEntry>(module_, ordinalDisableHook);
    enableHook = entryAt<VoidEntry>(module_, ordinalEnableHook);
    setMainWindow = entryAt<WindowEntry>(module_, ordinalSetMainWindow);
    setKeyboardWindow = entryAt<WindowEntry>(module_, ordinalSetKeyboardWindow);
    return installHook && removeHook && canInstallHook && disableHook && enableHook && setMainWindow &&
           setKeyboardWindow;
}
