// A hook library with the first six entry points only: the keyboard must refuse it. It records each load in
// a file "loaded" beside itself, so that a test can tell whether a program loaded it at all.
#include <windows.h>

#include <string>

namespace {

void recordLoading(HINSTANCE module)
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    const std::string library(path, length);
    const std::string record = library.substr(0, library.find_last_of('\\') + 1) + "loaded";
    CloseHandle(CreateFileA(record.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

} // namespace

extern "C" {
BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        recordLoading(module);
    return TRUE;
}
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
