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
// after two rounds of the groups.
ScanState nextScanStep(const ScanState& state, int groups, int itemsOfGroup);
// A lone group is scanned by its items at once and rests after their two rounds.
// A switch press: scanning starts at the top group, a group opens at its first item, and an item is
// pressed, after which scanning starts again at the top.
ScanState scanAfterPress(const ScanState& state, int groups);
