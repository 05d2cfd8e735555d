// Watching the keys typed on a hardware keyboard, for the suggestion strip.
#pragma once

void watchHardwareKeys(bool on);
