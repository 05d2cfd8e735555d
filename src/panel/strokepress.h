// A press on a letter key that becomes a stroke across the keys, which writes a word in place of the letter
// the press typed.
#pragma once

#include <windows.h>

#include "state/appstate.h"

// At a letter key's press that typed its letter with the latches it found, in Click mode with shape writing
// on and outside a password box: the press's path is followed from its point on the panel and its time.
void followPress(BYTE keyId, const ModifierLatches& found, POINT at, DWORD time);
// MSG_STROKE_POINTS: the hook library holds points of the numbered press's path.
INT_PTR onStrokePoints(UINT number);
// A move of a press that reached the panel without the hook (the panel holds the capture), on the panel;
// release: the point where it ends.
void followDirectMove(POINT at, DWORD time, bool release);
// At the release: a stroke released over the panel writes its word, one released beyond it takes the
// press's letter back. False when the press was a tap.
bool endStroke();
// At the next press or a focus change: the press followed is dropped with its trail, and the strip that
// stood for a stroke's choices goes.
void forgetStroke();
