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
// Posted to the keyboard window while a swallowed press on it lasts and the pointer moves: the points of the
// press's path wait for TakeStrokePoints. wParam is the press's number, never 0, which TakeStrokePoints asks
// for: a keyboard that falls behind by a press finds the path of a later one there. One message is posted
// for all the points gathered until the keyboard takes them, so that it is not woken for every move.
constexpr UINT MSG_STROKE_POINTS = 0x0A38;

// A point of a press's path, in the coordinates of MSG_KEY_PRESS, with the time of its input event.
struct StrokePoint {
    LONG x;
    LONG y;
    DWORD time;
};
// The x and y of a point that the platform could not place on the keyboard: it lies beyond it.
constexpr LONG offKeyboard = -32768;
// A point is handed on once the pointer has moved this many pixels from the last one (or onto or off the
// keyboard); the release's always. The keyboard thins the moves that reach it directly alike.
constexpr LONG strokeStep = 3;
inline bool strokeStepTaken(const StrokePoint& from, const StrokePoint& to)
{
    const bool fromOff = from.x == offKeyboard || from.y == offKeyboard;
    const bool toOff = to.x == offKeyboard || to.y == offKeyboard;
    if (fromOff || toOff)
        return fromOff != toOff;
    const LONGLONG dx = to.x - from.x;
    const LONGLONG dy = to.y - from.y;
    return dx * dx + dy * dy >= LONGLONG{strokeStep} * strokeStep;
}

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
    // Moves the points of the numbered press's path gathered since the last call into the room given;
    // returns how many, 0 once a later press has begun. Optional.
    ordinalTakeStrokePoints = 10,
};

using VoidEntry = void(WINAPI*)();
using BoolEntry = BOOL(WINAPI*)();
using WindowEntry = void(WINAPI*)(HWND);
using StrokePointsEntry = UINT(WINAPI*)(UINT, StrokePoint*, UINT);
