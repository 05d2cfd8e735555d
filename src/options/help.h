// Help: the help file "TILFAY.HLP" beside the program, opened with WinHelp.
#pragma once

#include <windows.h>

#include <string>

// The buffer for the program's module name.
constexpr DWORD moduleNameSize = 255;

// The help file's name beside a module, from the name and length that GetModuleFileNameA gave.
std::string helpFileBeside(const char* moduleName, DWORD length);
void showHelp(HWND frame);
