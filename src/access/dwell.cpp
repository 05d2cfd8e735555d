// The hover decision: a visit ends where the pointer is elsewhere, and presses once after a full rest.
#include "access/dwell.h"

namespace {

// The fill shows only once the pointer has plainly stopped, not while it passes over.
constexpr DWORD fillStart = 100;
// A click this close to the rest's press, before or after, is the same press.
constexpr LONG sameClick = 500;

bool pressable(PartKind kind)
{
    return kind != PartKind::away && kind != PartKind::nothing;
}

} // namespace

bool operator==(const HoverTarget& a, const HoverTarget& b)
{
    return a.kind == b.kind && a.window == b.window && a.part == b.part;
}

HoverStep nextHoverStep(const Visit& visit, const HoverTarget& now, DWORD time, DWORD hoverTime)
{
    if (!(now == visit.target))
        return {HoverAct::leave, 0};
    if (!restRuns(visit))
        return {HoverAct::wait, 0};
    const DWORD rested = time - visit.since;
    if (rested >= hoverTime)
        return {HoverAct::press, 0};
    if (rested < fillStart)
        return {HoverAct::wait, 0};
    return {HoverAct::wait, static_cast<int>(rested * 100 / hoverTime)};
}

bool restRuns(const Visit& visit)
{
    return !visit.pressed && pressable(visit.target.kind);
}

bool clickIsNewPress(const Visit& visit, DWORD clickTime)
{
    return !visit.pressedByRest || static_cast<LONG>(clickTime - visit.pressedAt) >= sameClick;
}
