// What the seven entry points set and both hooks read: installed, enabled, the main and keyboard windows.
#pragma once

#include <windows.h>

// The low-level hook and the event hooks call back on the thread that installed them, which is the
// keyboard's user-interface thread, the same one that calls the entry points; the state needs no lock.
struct HookState {
    HINSTANCE module;
    bool installed;
    bool enabled;
    HWND mainWindow;
    HWND keyboardWindow;
    // The suggestion strip while suggestions are on, else 0.
    HWND stripWindow;
};

extern HookState hook;

// True while the keyboard wants presses and focus changes reported.
bool reportsWanted();
// The keyboard window or the strip, the two that take presses.
bool takesPresses(HWND window);
