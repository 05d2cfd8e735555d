// Integrity levels: Windows silently drops keystrokes sent to a program that runs at a higher level than the
// keyboard (an elevated command prompt, Task Manager, an installer).
#pragma once

#include <windows.h>

// The level of a process that cannot be opened or asked, and of every process on a system without levels.
constexpr DWORD unknownIntegrity = MAXDWORD;

// A mandatory level (SECURITY_MANDATORY_MEDIUM_RID and so on), or unknownIntegrity.
DWORD integrityOfProcess(HANDLE process);
DWORD integrityOfWindow(HWND window);
// Refused only where the target's level is known and higher than the keyboard's.
bool integrityAllowsTyping(DWORD targetLevel, DWORD ownLevel);
bool mayTypeInto(HWND target);
