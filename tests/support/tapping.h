// Driving the real keyboard as a person would: real pointer input at the keys as the screen shows them,
// and the text that arrives in Wine's notepad.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "support/pointerinput.h"
#include "support/winprocess.h"

// The real Tilfay.exe, started and waited for until it has built itself and loaded its hook library.
struct RunningKeyboard {
    std::unique_ptr<Program> program;
    HWND frame = nullptr;
    HWND panel = nullptr;
};
RunningKeyboard startKeyboard(const std::string& path = tilfayPath());
// The frame's child dialog that holds the keys.
HWND panelOf(HWND frame);
RECT screenRectOf(HWND window);

// A click at the key's centre as the screen shows it, then time for the keyboard to handle it.
void tapKey(HWND panel, int keyId);
// A press at the key's centre that stays down, as a pen held on the key, until releaseKey.
void pressKeyDown(HWND panel, int keyId);
void releaseKey();
// Holds the key for the time, then releases it; returns how long the hold lasted as the test saw it.
DWORD holdKey(HWND panel, int keyId, DWORD milliseconds);

// Wine's notepad, with its edit control.
struct Notepad {
    std::unique_ptr<Program> program;
    HWND window = nullptr;
    HWND edit = nullptr;
};
Notepad startNotepad();
std::string textOf(HWND edit);
// Text that has stopped changing for 300 ms: every keystroke sent has arrived (given up after longWait).
std::string settledText(HWND edit);
// Clicks into the edit control, so that it has the focus and the keyboard targets it.
void focusByClick(HWND edit);
bool waitForText(HWND edit, const std::string& expected, DWORD timeoutMs = shortWait);

// keyrecorder.exe, which writes every key message it receives to its journal, moved out of the way of
// notepad and the keyboard.
struct KeyRecorder {
    std::unique_ptr<Program> program;
    HWND window = nullptr;
    std::string journal;
};
// With sleepsOnFocus, the recorder stops answering for 10 s half a second after it is first clicked into.
KeyRecorder startKeyRecorder(bool sleepsOnFocus = false);
// Clicks into the recorder's window, so that it has the focus and the keyboard targets it.
void focusRecorderByClick(const KeyRecorder& recorder);

// The key that types a character on the keyboard: a lower-case letter, a blank (the left space bar),
// a punctuation character, '\n' (enter) or '\b' (back); 0 for any other.
int keyForCharacter(char ch);
// Taps the keys for each character; an upper-case letter is tapped as shift and the letter.
void typeOnKeyboard(HWND panel, const std::string& text);

// A word drawn in one stroke of small letters, as a hand draws it: the button goes down on the first letter,
// the pointer moves through the others in steps of a few pixels, crossing each key a little off its centre,
// and the button comes up on the last with strokeRelease (apart, so that a test can look at the stroke while
// it is drawn).
Inputs strokeThrough(HWND panel, const std::string& word);
Inputs strokeRelease(HWND panel, const std::string& word);
