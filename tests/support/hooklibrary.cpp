// Tilmhk32.dll loaded and bound by ordinal as the keyboard binds it, for tests that drive it themselves.
#include "support/hooklibrary.h"

namespace {

template <typename Entry> Entry entryAt(HMODULE module, HookOrdinal ordinal)
{
    return reinterpret_cast<Entry>(
        reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
}

template <typename T> T* at(HMODULE module, DWORD offset)
{
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
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
    setStripWindow = entryAt<WindowEntry>(module_, ordinalSetStripWindow);
    renewHook = entryAt<VoidEntry>(module_, ordinalRenewHook);
    return installHook && removeHook && canInstallHook && disableHook && enableHook && setMainWindow &&
           setKeyboardWindow && setStripWindow;
}

void* HookLibrary::replaceImport(const char* function, void* replacement)
{
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module_);
    const auto* nt = at<IMAGE_NT_HEADERS>(module_, dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* library = at<IMAGE_IMPORT_DESCRIPTOR>(module_, imports.VirtualAddress); library->Name;
         ++library) {
        auto* name = at<IMAGE_THUNK_DATA>(module_, library->OriginalFirstThunk);
        auto* bound = at<IMAGE_THUNK_DATA>(module_, library->FirstThunk);
        for (; name->u1.AddressOfData; ++name, ++bound) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) ||
                lstrcmpA(at<IMAGE_IMPORT_BY_NAME>(module_, name->u1.AddressOfData)->Name, function) != 0)
                continue;
            DWORD protection = 0;
            VirtualProtect(&bound->u1.Function, sizeof(void*), PAGE_READWRITE, &protection);
            void* previous = reinterpret_cast<void*>(bound->u1.Function);
            bound->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&bound->u1.Function, sizeof(void*), protection, &protection);
            return previous;
        }
    }
    return nullptr;
}
