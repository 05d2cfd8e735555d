// Switch scanning: the highlight steps through the groups and then the keys every "Scan Time", and the one
// switch picks what it stands on.
#pragma once

// Makes the scan's listener and its switch; the scan acts only while "Select Keys" is "Scan".
void startScan();
// The keyboard was minimised: no highlight stands and no step runs until the next switch press.
void restScan();
void stopScan();
