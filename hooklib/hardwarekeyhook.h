// Watching the keys typed on a hardware keyboard, for the suggestion strip; on the hook thread.
#pragma once

void watchHardwareKeys(bool on);
// Sets the hook afresh while it is watching, in case the platform dropped it.
void renewHardwareKeyHook();
