// Resampling and normalising paths.
#include "strokes/paths.h"

#include <algorithm>
#include <cmath>

namespace {

float distance(PathPoint a, PathPoint b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

float pathLength(const PathPoint* points, size_t count)
{
    float length = 0;
    for (size_t i = 1; i < count; ++i)
        length += distance(points[i - 1], points[i]);
    return length;
}

// Walks the path once, placing each sample where the length walked reaches its share.
void resample(const PathPoint* points, size_t count, PathPoint* out, size_t samples)
{
    if (count == 0 || samples == 0)
        return;
    const float step = samples > 1 ? pathLength(points, count) / static_cast<float>(samples - 1) : 0;
    out[0] = points[0];
    size_t made = 1;
    float walked = 0;
    for (size_t i = 1; i < count && made < samples; ++i) {
        const float segment = distance(points[i - 1], points[i]);
        while (made < samples && segment > 0 && walked + segment >= step * static_cast<float>(made)) {
            const float t = (step * static_cast<float>(made) - walked) / segment;
            out[made++] = PathPoint{points[i - 1].x + t * (points[i].x - points[i - 1].x),
                                    points[i - 1].y + t * (points[i].y - points[i - 1].y)};
        }
        walked += segment;
    }
    // Rounding may leave the last samples short of the end.
    while (made < samples)
        out[made++] = points[count - 1];
}

void normaliseShape(PathPoint* points, size_t count)
{
    if (count == 0)
        return;
    float sumX = 0, sumY = 0;
    float left = points[0].x, right = points[0].x, top = points[0].y, bottom = points[0].y;
    for (size_t i = 0; i < count; ++i) {
        sumX += points[i].x;
        sumY += points[i].y;
        left = std::min(left, points[i].x);
        right = std::max(right, points[i].x);
        top = std::min(top, points[i].y);
        bottom = std::max(bottom, points[i].y);
    }
    const float side = std::max(right - left, bottom - top);
    const float scale = side > 0 ? 1 / side : 1;
    const float centreX = sumX / static_cast<float>(count);
    const float centreY = sumY / static_cast<float>(count);
    for (size_t i = 0; i < count; ++i)
        points[i] = PathPoint{(points[i].x - centreX) * scale, (points[i].y - centreY) * scale};
}
