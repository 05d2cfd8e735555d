// Paths over the keys: a stroke as the pointer drew it, a word's ideal path through its letters' key
// centres, and the forms in which the two are compared point by point.
#pragma once

#include <cstddef>
#include <vector>

struct PathPoint {
    float x;
    float y;
};
using Path = std::vector<PathPoint>;

// The centre of each letter's key, a to z, and the size of a letter key, in the units of the stroke (the
// panel's pixels, whatever its size and the display's scale).
struct LetterKeys {
    PathPoint centre[26];
    float keyWidth;
    float keyHeight;
};

float pathLength(const PathPoint* points, size_t count);
// samples points spaced evenly along the path, the first and last at its ends; a path of no length gives
// its one point again and again.
void resample(const PathPoint* points, size_t count, PathPoint* out, size_t samples);
// The shape alone: moved so that its centre of mass stands at 0, scaled so that the larger side of its
// bounding box is 1 (a path of no size keeps its size).
void normaliseShape(PathPoint* points, size_t count);
