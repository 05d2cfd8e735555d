// When a rest of the pointer presses: the decision of hover selection, on times alone.
#pragma once

#include <windows.h>

// What can be pressed under the pointer: a key of the panel, a cell of the suggestion strip or of the forms
// popup, a button of the caption bar or a dialog; "nothing" is a window of the keyboard where no part is.
enum class PartKind { away, nothing, key, cell, form, button };

struct HoverTarget {
    PartKind kind;
    HWND window;
    int part;
};

bool operator==(const HoverTarget& a, const HoverTarget& b);

// One visit: the pointer came to the target at "since"; a visit presses once. A visit that began without the
// pointer moving (a window opened under it) counts as pressed from its start.
struct Visit {
    HoverTarget target;
    DWORD since;
    bool pressed;
    // The rest pressed it, at pressedAt.
    bool pressedByRest;
    DWORD pressedAt;
};

enum class HoverAct { wait, press, leave };

struct HoverStep {
    HoverAct act;
    // The share of the hover time that has run, in percent, once the first 100 ms have passed; 0 after the
    // press.
    int fill;
};

// The pointer is on "now" at time "time": a rest of hoverTime on a part that can be pressed presses it; any
// other place ends the visit.
HoverStep nextHoverStep(const Visit& visit, const HoverTarget& now, DWORD time, DWORD hoverTime);
// Whether the rest still runs on the visit, so that its time must be followed.
bool restRuns(const Visit& visit);
// A click at clickTime in the visit: false when its rest pressed just before or just after, since the two
// are one press of the person's.
bool clickIsNewPress(const Visit& visit, DWORD clickTime);
