// Watching the input focus in other processes and reporting each change to the keyboard window.
#pragma once

// False when the platform would not set both event hooks.
bool installFocusHooks();
void removeFocusHooks();
// A new keyboard window has heard of no focus yet.
void forgetReportedFocus();
