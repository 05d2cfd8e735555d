// A user's session: Wine's notepad with the focus and the real keyboard beside it, typing into notepad.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/tapping.h"

struct Session {
    Notepad notepad;
    RunningKeyboard keyboard;
    // Everything typed into notepad so far.
    std::string typed;
};

// Sets the keyboard delay and speed in the prefix as the Control Panel does: a keyboard started afterwards
// repeats a held key at them.
void setKeyboardRepeat(UINT delay, UINT speed);
// Writes the settings file when a text is given, starts notepad and the keyboard, parks the X pointer
// and clicks into notepad so that the keyboard targets it.
::testing::AssertionResult startSession(Session& session, const std::string& settings = "");
// Puts the X server's pointer in the screen's top-right corner, where no window of the tests appears,
// goes or moves. Injected input moves Wine's pointer but not the X pointer, and Wine takes the X pointer's
// place as a pointer move whenever a window appears, goes or is raised under it, at a moment of its own:
// such a move between an injected press and its release would send the release elsewhere.
void parkXPointer();
// After a command: notepad is the active window with its edit control focused, and the next letter
// tapped on the keyboard arrives there.
::testing::AssertionResult typingGoesOn(Session& session);
// Typing with the keyboard's current panel, which a size change replaces.
void typeWithKeyboard(Session& session, const std::string& text);

// passwordbox.exe standing over notepad's text, its box clicked into so that it holds the focus; its window
// is 0 when it did not come up.
struct PasswordBox {
    std::unique_ptr<Program> program;
    HWND window = nullptr;
};
PasswordBox clickIntoPasswordBox(const Notepad& notepad);
