// Repeat on hold: a key held past the system's keyboard delay goes on typing at the system's keyboard speed.
#pragma once

#include <windows.h>

#include "state/appstate.h"

// After the press has been processed: when "Key Repeat" is on and the key is one that repeats, processes
// it again with the latches of the press while the press lasts.
void startKeyRepeat(BYTE keyId, const ModifierLatches& latchesOfPress);
void stopKeyRepeat();
// In Hover mode a rest holds the key: only back, delete, the space bars, enter and the arrows repeat, never a
// letter, a digit or a mark, which a long rest would pour into the target.
bool repeatsOnRest(int keyId, bool nav);

// What a repeat goes on by: a press whose release may never come (it was swallowed, or another desktop
// took the input) ends when anything else shows that it is over.
struct RepeatFacts {
    bool buttonLetGo;
    bool sameTarget;
    bool targetExists;
    bool keyboardShown;
    // The target's top-level window is the foreground window.
    bool targetInForeground;
    DWORD heldFor;
};
bool repeatGoesOn(const RepeatFacts& facts);
// WM_TIMER of the panel: the next repeat, unless something shows that the press has ended.
INT_PTR onRepeatTimer(WPARAM timerId);
