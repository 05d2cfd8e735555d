// The stroke-or-tap decision: a pen that strays a little from its key still taps it.
#include "panel/strokedecision.h"

#include <algorithm>

namespace {

// How far the point lies outside the key's pixels, across or down, whichever is more.
LONG distanceOutside(const RECT& key, const StrokePoint& point)
{
    const LONG across = std::max({key.left - point.x, point.x - (key.right - 1), LONG{0}});
    const LONG down = std::max({key.top - point.y, point.y - (key.bottom - 1), LONG{0}});
    return std::max(across, down);
}

} // namespace

bool becameStroke(const RECT& key, const std::vector<StrokePoint>& path, DWORD pressTime, DWORD holdDelay)
{
    const LONG width = key.right - key.left;
    return std::any_of(path.begin(), path.end(), [&](const StrokePoint& point) {
        return point.time - pressTime < holdDelay && distanceOutside(key, point) * 4 > width;
    });
}
