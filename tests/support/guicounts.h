// What a process holds of the window system, counted from outside it: GDI objects and windows.
#pragma once

#include <windows.h>

// The process's GDI objects, its stock objects included: the platform's own count where it keeps one,
// otherwise the live entries of the process's GDI handle table. -1 when neither can be read.
int gdiObjectCount(DWORD processId);
// The process's top-level windows and all their descendants.
int windowCount(DWORD processId);
