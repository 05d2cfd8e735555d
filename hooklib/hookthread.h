// The thread that owns every hook and does nothing but answer them.
#pragma once

#include <windows.h>

// Starts the thread and returns once it has set its hooks: false, with the thread ended, when the platform
// would not set them all.
bool startHookThread();
// Ends the thread, which removes its hooks first, and waits for it.
void stopHookThread();
// Each is carried out on the hook thread, in the order asked.
void askHookThreadToRenewHooks();
void askHookThreadToWatchHardwareKeys(bool on);
void askHookThreadToReportOwedRelease();
