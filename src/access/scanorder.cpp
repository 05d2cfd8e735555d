// The scan decision: groups top to bottom, then the keys of a group from the left, two rounds each.
#include "access/scanorder.h"

namespace {

constexpr int rounds = 2;

// A lone group (a dialog's buttons) is scanned item by item from the start.
ScanState topGroup(int groups)
{
    if (groups == 1)
        return ScanState{ScanLevel::items, 0, 0, 1};
    return groups > 0 ? ScanState{ScanLevel::groups, 0, 0, 1} : ScanState{ScanLevel::resting, 0, 0, 0};
}

} // namespace

ScanState nextScanStep(const ScanState& state, int groups, int itemsOfGroup, bool keyboardShown)
{
    if (!keyboardShown)
        return ScanState{ScanLevel::resting, 0, 0, 0};
    switch (state.level) {
    case ScanLevel::groups:
        if (groups <= 0 || state.shown >= rounds * groups)
            return ScanState{ScanLevel::resting, 0, 0, 0};
        return ScanState{ScanLevel::groups, (state.group + 1) % groups, 0, state.shown + 1};
    case ScanLevel::items:
        if (itemsOfGroup <= 0 || state.shown >= rounds * itemsOfGroup)
            return groups == 1 ? ScanState{ScanLevel::resting, 0, 0, 0} : topGroup(groups);
        return ScanState{ScanLevel::items, state.group, (state.item + 1) % itemsOfGroup, state.shown + 1};
    default: return state;
    }
}

ScanState scanAfterPress(const ScanState& state, int groups, bool keyboardShown)
{
    if (keyboardShown && state.level == ScanLevel::groups && state.group < groups)
        return ScanState{ScanLevel::items, state.group, 0, 1};
    return topGroup(groups);
}

bool pressesItem(const ScanState& state, bool keyboardShown)
{
    return keyboardShown && state.level == ScanLevel::items;
}
