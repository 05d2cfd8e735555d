// Swallowing presses on the keyboard window and reporting them with their releases; each runs on the hook
// thread.
#pragma once

// False when the platform would not set the hook.
bool installPointerHook();
// Sets the hook afresh, in case the platform dropped it; the old one stays when it would not.
void renewPointerHook();
void removePointerHook();
// Reports the release of a swallowed press that came while the hook was disabled.
void reportOwedRelease();
