// The display as the programs under test find it when they start: its scale.
#pragma once

// Sets the scale in dots per inch (96 is 100 %) in the prefix's user settings, where programs started from
// now on read it once; the programs already running keep theirs.
bool setDisplayScale(int dpi);
// The scale this process found at its start.
int displayScale();
