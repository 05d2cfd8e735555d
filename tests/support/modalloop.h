// Driving calls that run their own modal loop (popup menus, modal dialogs) from inside that loop.
#pragma once

#include <windows.h>

#include <functional>

// Makes `modalCall` on this thread while `step` runs from a thread timer every few milliseconds, inside the
// modal loop, until it returns true. If the call has not returned within `timeoutMs`, every menu and dialog
// of this thread is ended by force. True when the step finished and nothing had to be forced.
bool driveModalLoop(const std::function<void()>& modalCall, const std::function<bool()>& step,
                    DWORD timeoutMs);

// The first visible top-level window of this thread with the class (and title, when given).
HWND visibleThreadWindow(const char* className, const char* title = nullptr);
