// Tilmhk32.dll loaded and bound by ordinal as the keyboard binds it, for tests that drive it themselves.
#pragma once

#include "hooklib/tilmhk32.h"

#include <string>

class HookLibrary {
public:
    HookLibrary() = default;
    ~HookLibrary();
    HookLibrary(const HookLibrary&) = delete;
    HookLibrary& operator=(const HookLibrary&) = delete;

    // True when the library is loaded and all its entry points are found.
    bool load(const std::string& path);

    VoidEntry installHook = nullptr;
    VoidEntry removeHook = nullptr;
    BoolEntry canInstallHook = nullptr;
    VoidEntry disableHook = nullptr;
    VoidEntry enableHook = nullptr;
    WindowEntry setMainWindow = nullptr;
    WindowEntry setKeyboardWindow = nullptr;
    WindowEntry setStripWindow = nullptr;
    // Optional, as for the keyboard.
    VoidEntry renewHook = nullptr;

    // Makes the library's calls of a platform function (imported by name) go to the replacement instead, as
    // if the platform answered that way; returns the function it called before, or null when it imports no
    // such function.
    void* replaceImport(const char* function, void* replacement);

private:
    HMODULE module_ = nullptr;
};
