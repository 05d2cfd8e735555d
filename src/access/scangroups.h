// The groups that the scan steps through, top to bottom, as the keyboard shows them now.
#pragma once

#include <vector>

#include "access/dwell.h"

struct ScanItem {
    HoverTarget target;
    RECT place;
};
using ScanGroup = std::vector<ScanItem>;

// A dialog's buttons alone while one is shown, the forms' cells alone while their popup is open; else the
// suggestion strip while shown, the function-key row
// while shown, then each row of the other keys from the left, across the letters, the specials and the pad.
std::vector<ScanGroup> scanGroups();
RECT placeOfGroup(const ScanGroup& group);
