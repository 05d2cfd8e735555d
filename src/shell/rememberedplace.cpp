// The frame's remembered place: taken when a drag ends, saved at once, and kept inside the work area of the
// monitor nearest it at every placement.
#include "shell/rememberedplace.h"

#include "settings/settings.h"
#include "state/appstate.h"
#include "shell/frame.h"
#include "shell/placement.h"

namespace {

// The primary monitor's work area is the one measured and kept up to date with the taskbar's notices.
RECT workAreaNear(Point corner)
{
    // The corner lies just past the frame; the frame's last pixel is the one that lies on its monitor.
    const POINT inside{corner.x - 1, corner.y - 1};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromPoint(inside, MONITOR_DEFAULTTONEAREST), &monitor) ||
        (monitor.dwFlags & MONITORINFOF_PRIMARY))
        return app.workArea;
    return monitor.rcWork;
}

bool samePlace(const std::optional<Point>& a, const std::optional<Point>& b)
{
    return a.has_value() == b.has_value() && (!a || (a->x == b->x && a->y == b->y));
}

} // namespace

POINT framePlace(SIZE size)
{
    const RECT area = app.framePosition ? workAreaNear(*app.framePosition) : app.workArea;
    return frameTopLeft(size, app.framePosition, area);
}

// The corner remembered is the one the frame is kept at, inside the work area, not a point off the screen
// that the pointer reached.
void keepDroppedPlace(HWND frame)
{
    RECT dropped;
    if (IsIconic(frame) || !GetWindowRect(frame, &dropped))
        return;
    std::optional<Point> corner = droppedCorner(dropped, app.workArea);
    if (corner) {
        const SIZE size{dropped.right - dropped.left, dropped.bottom - dropped.top};
        const POINT kept = frameTopLeft(size, corner, workAreaNear(*corner));
        corner = Point{kept.x + size.cx, kept.y + size.cy};
    }
    const bool moved = !samePlace(corner, app.framePosition);
    app.framePosition = corner;
    anchorFrame(frame);
    if (moved)
        saveSettings();
}
