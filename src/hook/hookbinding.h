// Binding to Tilmhk32.dll: loading and freeing it, and its entry points called by ordinal.
#pragma once

#include <windows.h>

#include "hooklib/tilmhk32.h"

void loadHookLibrary();
void freeHookLibrary();
void activateHook(HWND frame);
// Sets every hook afresh for the frame in app.mainWindow, in case the platform dropped one.
void renewHook();
// The suggestion strip, or 0 when there is none: presses on it are reported to it.
void handStripWindow(HWND strip);

// Each does nothing while the library is not loaded.
void InstallHook();
void RemoveHook();
bool CanInstallHook();
void DisableHook();
void EnableHook();
void SetMainWindow(HWND window);
void SetKeyboardWindow(HWND window);
void SetStripWindow(HWND window);
UINT TakeStrokePoints(UINT press, StrokePoint* points, UINT room);
