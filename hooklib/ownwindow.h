// Whether a window belongs to this process: the keyboard and its hook library both ask it.
#pragma once

#include <windows.h>

inline bool isOwnWindow(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}
