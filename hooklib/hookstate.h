// What the entry points set and the hooks read: installed, enabled, the main, keyboard and strip windows.
#pragma once

#include <windows.h>

#include <atomic>

// The entry points run on the keyboard's user-interface thread and the hooks on the library's own thread:
// what both touch is atomic. Only the entry points touch installed.
struct HookState {
    HINSTANCE module;
    bool installed;
    std::atomic<bool> enabled;
    std::atomic<HWND> mainWindow;
    std::atomic<HWND> keyboardWindow;
    // The suggestion strip while suggestions are on, else 0.
    std::atomic<HWND> stripWindow;
};

extern HookState hook;

// True while the keyboard wants presses and focus changes reported.
bool reportsWanted();
// The keyboard window or the strip, the two that take presses.
bool takesPresses(HWND window);
