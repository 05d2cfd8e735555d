// The press's path: kept under a lock, since the hook thread adds to it while the keyboard's thread takes it.
#include "hooklib/strokepath.h"

#include <algorithm>

namespace {

// Some 12 metres of pointer movement at the step: a keyboard that takes nothing for so long is not drawing.
constexpr UINT pathRoom = 4096;

struct Path {
    CRITICAL_SECTION lock;
    // The window to wake while the path goes on, 0 once the release has ended it.
    HWND window;
    // The press's number.
    UINT press;
    StrokePoint last;
    StrokePoint points[pathRoom];
    UINT count;

    Path()
    {
        InitializeCriticalSection(&lock);
    }
    ~Path()
    {
        DeleteCriticalSection(&lock);
    }
};

Path path;

class Locked {
public:
    Locked()
    {
        EnterCriticalSection(&path.lock);
    }
    ~Locked()
    {
        LeaveCriticalSection(&path.lock);
    }
};

} // namespace

void startStrokePath(HWND window, StrokePoint press)
{
    const Locked locked;
    path.window = window;
    path.press = path.press + 1 ? path.press + 1 : 1;
    path.last = press;
    path.count = 0;
}

// The keyboard is woken when the first point of a batch comes; the points after it wait with it.
void followStrokePath(StrokePoint point, bool release)
{
    HWND wake = nullptr;
    UINT press = 0;
    {
        const Locked locked;
        if (!path.window || (!release && !strokeStepTaken(path.last, point)) || path.count == pathRoom)
            return;
        if (path.count == 0)
            wake = path.window;
        press = path.press;
        path.points[path.count++] = point;
        path.last = point;
        if (release)
            path.window = nullptr;
    }
    if (wake)
        PostMessageA(wake, MSG_STROKE_POINTS, press, 0);
}

extern "C" UINT WINAPI TakeStrokePoints(UINT press, StrokePoint* points, UINT room)
{
    const Locked locked;
    const UINT taken = press == path.press ? std::min(room, path.count) : 0;
    std::copy(path.points, path.points + taken, points);
    std::copy(path.points + taken, path.points + path.count, path.points);
    path.count -= taken;
    return taken;
}
