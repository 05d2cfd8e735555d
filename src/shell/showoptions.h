// The menu key's command: the options dialog, then the one command the user picked.
#pragma once

#include <windows.h>

LRESULT onShowOptions(HWND frame);
