// The groups that the scan steps through, in order, as the keyboard shows them now.
#pragma once

#include <vector>

#include "access/dwell.h"

struct ScanItem {
    HoverTarget target;
    RECT place;
};
using ScanGroup = std::vector<ScanItem>;

// A dialog's buttons alone while one is shown, the forms' cells alone while their popup is open; else the
// strip's cells and the shown keys in the groups and order of "Scan Order".
std::vector<ScanGroup> scanGroups();
// The rectangles the highlight frames: one around a row, one around each key of a scattered group.
std::vector<RECT> placesOfGroup(const ScanGroup& group);
