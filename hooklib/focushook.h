// Watching the input focus in other processes and reporting each change to the keyboard window; the hooks
// are set, renewed and removed on the hook thread.
#pragma once

// False when the platform would not set both event hooks.
bool installFocusHooks();
// Sets both afresh; the old ones stay when the platform would not.
void renewFocusHooks();
void removeFocusHooks();
// A new keyboard window has heard of no focus yet; safe from any thread.
void forgetReportedFocus();
