// Swallowing presses on the keyboard window and reporting them with their releases.
#pragma once

// False when the platform would not set the hook.
bool installPointerHook();
void removePointerHook();
// Reports the release of a swallowed press that came while the hook was disabled.
void reportOwedRelease();
