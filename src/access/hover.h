// Hover selection: a part of the keyboard is pressed when the pointer has rested on it for "Hover Time".
#pragma once

// Watches the pointer's moves over the keyboard's windows, on this thread; the watch acts only while
// "Select Keys" is "Hover".
void startHoverWatch();
void stopHoverWatch();
