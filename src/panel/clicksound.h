// The click that each key press sounds while "Click Sound" is on.
#pragma once

// Called once the press's keystroke has been sent.
void playClickSound();
