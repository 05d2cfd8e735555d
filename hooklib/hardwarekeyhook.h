// Watching the keys typed by anything but the keyboard itself, for the suggestion strip; on the hook thread.
#pragma once

void watchHardwareKeys(bool on);
// Sets the hook afresh while it is watching, in case the platform dropped it.
void renewHardwareKeyHook();
