// Help: the help file "TILFAY.HLP" beside the program, opened with WinHelp; without it, the user guide page.
#pragma once

#include <windows.h>

#include <string>

// The buffer for the program's module name.
constexpr DWORD moduleNameSize = 255;

// The help file, and the user guide page that stands in for it, as the release places them beside the
// program.
constexpr const char* helpFileName = "TILFAY.HLP";
constexpr const char* guidePageName = "guide\\Tilfay.html";

// A file's name beside a module, from the name and length that GetModuleFileNameA gave.
std::string fileBeside(const char* moduleName, DWORD length, const char* fileName);
void showHelp(HWND frame);
