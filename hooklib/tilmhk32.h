// The contract of Tilmhk32.dll: its seven entry points by ordinal and the messages it sends to the keyboard
// window.
#pragma once

#include <windows.h>

// Sent to the keyboard window: lParam = x | (y << 16), pixels from the window's top-left corner; wParam of a
// press is the time of its input event (0 when unknown).
constexpr UINT MSG_KEY_PRESS = 0x0A01;
constexpr UINT MSG_KEY_RELEASE = 0x0A02;
// wParam is the window that now holds the input focus.
constexpr UINT MSG_FOCUS_CHANGE = 0x0A03;

enum HookOrdinal {
    ordinalInstallHook = 1,
    ordinalRemoveHook = 2,
    ordinalCanInstallHook = 3,
    ordinalDisableHook = 4,
    ordinalEnableHook = 5,
    ordinalSetMainWindow = 6,
    ordinalSetKeyboardWindow = 7,
};

using VoidEntry = void(WINAPI*)();
using BoolEntry = BOOL(WINAPI*)();
using WindowEntry = void(WINAPI*)(HWND);
