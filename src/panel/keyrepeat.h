// Repeat on hold: a key held past the system's keyboard delay goes on typing at the system's keyboard speed.
#pragma once

#include <windows.h>

#include "shell/appstate.h"

// After the press has been processed: when "Key Repeat" is on and the key is one that repeats, processes
// it again with the latches of the press while the press lasts.
void startKeyRepeat(BYTE keyId, const ModifierLatches& latchesOfPress);
void stopKeyRepeat();
// WM_TIMER of the panel: the next repeat, unless something shows that the press has ended.
INT_PTR onRepeatTimer(WPARAM timerId);
