// Repeat on hold: a key held past the system's keyboard delay goes on typing at the system's keyboard speed.
#pragma once

#include <windows.h>

// Processes a press on a key and, when "Key Repeat" is on and the key is one that repeats, processes it
// again while the press lasts.
void processHeldKey(BYTE keyId);
void stopKeyRepeat();
// WM_TIMER of the panel: the next repeat, unless something shows that the press has ended.
INT_PTR onRepeatTimer(WPARAM timerId);
