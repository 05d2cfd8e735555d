// Presses that reach the panel without the hook library, which the platform has dropped or skipped.
#pragma once

#include <windows.h>

// Takes a left press or release meant for the panel or one of its keys: the press is the tap it would have
// been through the hook, and the hook is then set afresh. False for any other message.
bool takeDirectPress(const MSG& msg);
// WM_CAPTURECHANGED of the panel: the release of a direct press.
INT_PTR onPanelCaptureLost();
