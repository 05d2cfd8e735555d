// The running keyboard's windows besides its keys, as a user meets them and as another process reads
// them: the caption bar, the options dialog, the frame menu and the suggestion strip.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/tapping.h"

constexpr const char* optionsTitle = "Tilfay Keyboard Options";

// The frame's child dialog that holds the close button.
HWND captionBarOf(HWND frame);
// Taps the menu key and waits until the options dialog is shown; null when it is not.
HWND openOptions(const RunningKeyboard& keyboard, DWORD timeoutMs = shortWait);
// The dialog once it is shown and active with the focus in it; null when it is not by then.
HWND shownDialog(HWND dialog, DWORD timeoutMs);
// A click at the centre of a dialog's control as the screen shows it.
void clickControl(HWND dialog, int id);
// Waits until the window's thread has handled everything sent before and is back in a message loop.
bool waitUntilIdle(HWND window);
// The window that has the keyboard focus in the thread of the given window.
HWND focusOf(HWND window);
// The top-level window is the active one, the control in it has the focus, and its thread is in no move,
// size or menu loop, which would take the keys typed.
bool hasTheFocus(HWND topLevel, HWND control);

// The frame menu: a shown popup menu of the keyboard's process.
HWND waitForFrameMenu(DWORD processId);

// One item of a shown popup menu as the screen shows it: where its text lies and whether it is grayed.
struct MenuRow {
    RECT place;
    bool grayed;
};
// The items with text from the top; separators are left out. An item counts as grayed when none of its
// pixels has the menu's text colour, so the pointer must not rest on the menu, which would highlight one.
std::vector<MenuRow> menuRows(HWND popup);
POINT centreOf(const MenuRow& row);

// The suggestion strip: the words its cells offer, from its text, and the centre of a cell on the screen.
std::vector<std::string> offeredIn(HWND strip);
POINT cellCentre(HWND strip, int cell);
