// What the keyboard and its hook library both ask of the platform.
#pragma once

#include <windows.h>

// Whether a window belongs to this process.
inline bool isOwnWindow(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}

// Under Wine a thread with a low-level hook that fetches no message for about 5 s counts as hung, and its
// hooks are skipped for the next input; Windows asks no such wake-ups of an idle thread.
inline bool idleHookThreadsNeedWaking()
{
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}
