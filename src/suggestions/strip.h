// The suggestion strip: four cells of offered words between the caption bar and the panel, while "Word
// Suggestions" is on.
#pragma once

#include <windows.h>

#include "state/appstate.h"

#include <string>
#include <vector>

// The strip, or 0 while suggestions and strokes are off. While only strokes are on it stands hidden, but for
// a stroke's choices: it hears of typing elsewhere all the same.
HWND suggestionStrip();
// Whether a report of typing elsewhere (MSG_HARDWARE_KEY with its key, MSG_POINTER_ELSEWHERE with its
// button) is the scan's switch, which the switch's own hook takes whether or not it saw it first.
bool isScanSwitch(SelectKeys way, ScanSwitch which, UINT message, WPARAM wParam);
// Something was learned: the counts are written within the minute.
void saveLearnedSoon();
// Makes the strip when suggestions or strokes are on and none stands yet; returns the strip, or 0.
HWND createSuggestionStrip(HWND frame);
// Shown: while suggestions are on, and for a stroke's choices.
bool stripShown();
// The height of a key of the current size while the strip is shown, else 0.
int stripHeight();
// The word a cell offers, or nothing.
std::wstring cellWord(int cell);
// The strip's text is the offered words separated by tabs, for screen readers and the tests.
void showSuggestions(const std::vector<std::string>& words);
// Takes a left press or release on the strip that came without the hook, as the panel's keys do.
bool takeStripPress(const MSG& msg);
