// Key processing: a tap on the panel becomes a keystroke in the target, a latch or a command.
#pragma once

#include <windows.h>

#include "state/appstate.h"

// Types keyId with the shift, ctrl, alt, caps and navigation latches of use; the latch and mode keys toggle
// the keyboard's own latches instead.
void processKey(BYTE keyId, ModifierLatches use);
