// The contract of Tilmhk32.dll: its entry points by ordinal and the messages it sends to the keyboard's
// windows.
#pragma once

#include <windows.h>

// Posted to the keyboard window: lParam = x | (y << 16), pixels from the window's top-left corner; wParam of
// a press is the time of its input event (0 when unknown).
constexpr UINT MSG_KEY_PRESS = 0x0A01;
constexpr UINT MSG_KEY_RELEASE = 0x0A02;
// Posted too; wParam is the window that now holds the input focus.
constexpr UINT MSG_FOCUS_CHANGE = 0x0A03;
// Posted to the suggestion strip, which also takes MSG_KEY_PRESS and MSG_KEY_RELEASE for presses on it, while
// one is set: a pointer press outside the keyboard (wParam the button's message: WM_LBUTTONDOWN,
// WM_RBUTTONDOWN or WM_MBUTTONDOWN), and a key typed by anything but the keyboard itself, a hardware
// keyboard, dictation or another program (wParam its virtual key).
constexpr UINT MSG_POINTER_ELSEWHERE = 0x0A18;
constexpr UINT MSG_HARDWARE_KEY = 0x0A19;
// Posted to the keyboard window for a press that the hook lets through to another window. wParam is TRUE for
// a press on a window of the keyboard's own (such as a popup beside it), and lParam = x | (y << 16) is then
// its screen point in the keyboard's coordinates; FALSE for a press on another program's window.
constexpr UINT MSG_PRESS_ELSEWHERE = 0x0A10;

// Every keystroke the keyboard sends carries this mark in its extra information, so that the hooks watching
// the keys let it pass.
constexpr ULONG_PTR ownKeystrokeMark = 0x54494C46;

enum HookOrdinal {
    ordinalInstallHook = 1,
    ordinalRemoveHook = 2,
    ordinalCanInstallHook = 3,
    ordinalDisableHook = 4,
    ordinalEnableHook = 5,
    ordinalSetMainWindow = 6,
    ordinalSetKeyboardWindow = 7,
    // The suggestion strip, or 0: the hardware keys are watched only while a strip is set.
    ordinalSetStripWindow = 8,
    // Sets every hook afresh, in case the platform dropped one; optional.
    ordinalRenewHook = 9,
};

using VoidEntry = void(WINAPI*)();
using BoolEntry = BOOL(WINAPI*)();
using WindowEntry = void(WINAPI*)(HWND);
