// Which group or key the scan highlights next: the decision of switch scanning, on counts alone.
#pragma once

enum class ScanLevel { resting, groups, items };

struct ScanState {
    ScanLevel level;
    // The highlighted group, and within it the highlighted item while the level is items.
    int group;
    int item;
    // Highlights shown at this level since it began; two rounds without a press end it.
    int shown;
};

// A step of Scan Time: the next group or item, back to the groups after two rounds of a row, and resting
// after two rounds of the groups. A keyboard that is minimised or hidden is not scanned.
ScanState nextScanStep(const ScanState& state, int groups, int itemsOfGroup, bool keyboardShown);
// A switch press: scanning starts at the top group, a group opens at its first item, and an item is
// pressed, after which scanning starts again at the top. A lone group is scanned by its items at once and
// rests after their two rounds. A press while the keyboard is minimised or hidden brings it back and starts
// at the top.
ScanState scanAfterPress(const ScanState& state, int groups, bool keyboardShown);
// Whether the press presses the highlighted item: never one the person cannot see.
bool pressesItem(const ScanState& state, bool keyboardShown);
