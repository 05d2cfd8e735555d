// Key presses as a hardware keyboard gives them, through the platform's input stream.
#pragma once

#include <windows.h>

#include <initializer_list>

// Presses and releases the key, with the modifier keys held down around it; the platform sends the
// strokes to the window that has the keyboard focus.
void pressKey(WORD virtualKey, std::initializer_list<WORD> held = {});

// Counts the key-downs of one virtual key that pass through the platform's input stream, whichever
// process sends them, while it exists; the count grows only while this thread handles messages.
class KeyDownCount {
public:
    explicit KeyDownCount(BYTE virtualKey);
    ~KeyDownCount();
    KeyDownCount(const KeyDownCount&) = delete;
    KeyDownCount& operator=(const KeyDownCount&) = delete;
    int value() const;

private:
    HHOOK hook_;
};
