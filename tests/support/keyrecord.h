// Key messages as a target window receives them, one line each ("down 10", "sysup 12", "char 7A"):
// recorded by a window of the test's own, or read back from the journal of keyrecorder.exe.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

using KeyLines = std::vector<std::string>;

// A visible top-level window of this thread that records the key messages it receives.
HWND createKeyRecordingWindow();
// What the window has received since the last call (or since its creation), in order.
KeyLines takeRecordedKeys();

// The journal of keyrecorder.exe, without the scan code and the performance counter of each line.
KeyLines journalLines(const std::string& path);
// The journal's key-down and key-up lines with the scan code each carried, an extended key's with E0
// before it: "down 25 E04B", "sysup 12 0038".
KeyLines journalScanCodes(const std::string& path);

// The key-down and key-up lines alone, a system key message counted like any other ("sysdown 12" reads
// "down 12"): the order of the events as the target saw them.
KeyLines strokesOf(const KeyLines& lines);
// The characters of the "char" lines.
std::string charactersOf(const KeyLines& lines);
// The lines one keystroke of vk gives, wrapped in the modifiers: "down 10", "down 5A", "up 5A", "up 10".
KeyLines keystroke(BYTE vk, bool shift = false, bool ctrl = false, bool alt = false);
// A line for a key message: its kind and the virtual key in two hex digits.
std::string keyLine(const char* kind, unsigned code);
