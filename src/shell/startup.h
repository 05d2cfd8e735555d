// Start-up: the system version, the single-instance rule and the message loop.
#pragma once

#include <windows.h>

extern int systemVersion;

void readSystemVersion();
HWND findRunningInstance();
// Restores a minimised running instance and brings its last active popup to the top.
void bringForward(HWND running);
void runApplication();
