// Where the frame goes: at the remembered point or the work area's corner, kept inside the work area, and
// anchored again when dropped near the corner.
#include "shell/placement.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The right or bottom edge first, then the left or top edge, which wins when the extent does not fit.
int keptInside(int end, int extent, int areaStart, int areaEnd)
{
    return std::max(std::min(end, areaEnd) - extent, areaStart);
}

} // namespace

POINT frameTopLeft(SIZE size, const std::optional<Point>& remembered, const RECT& area)
{
    const Point corner = remembered.value_or(Point{area.right, area.bottom});
    return POINT{keptInside(corner.x, size.cx, area.left, area.right),
                 keptInside(corner.y, size.cy, area.top, area.bottom)};
}

std::optional<Point> droppedCorner(const RECT& dropped, const RECT& cornerArea)
{
    if (std::abs(dropped.right - cornerArea.right) <= cornerSnap &&
        std::abs(dropped.bottom - cornerArea.bottom) <= cornerSnap)
        return std::nullopt;
    return Point{dropped.right, dropped.bottom};
}
