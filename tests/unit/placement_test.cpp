// Where the frame goes, as tables: at the remembered point or the work area's corner, kept inside the work
// area, and anchored again when dropped near the corner.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "shell/placement.h"

namespace {

std::string text(POINT p)
{
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string text(const std::optional<Point>& p)
{
    return p ? std::to_string(p->x) + "," + std::to_string(p->y) : "none";
}

// A 1920 x 1080 screen with a 40-pixel taskbar below, and a second monitor of 1280 x 1024 left of it.
constexpr RECT primary{0, 0, 1920, 1040};
constexpr RECT leftMonitor{-1280, 0, 0, 1024};
constexpr SIZE medium{480, 200};

} // namespace

TEST(FramePlacement, PutsTheBottomRightCornerAtTheRememberedPointOrTheAreasCornerInsideTheArea)
{
    struct Case {
        const char* what;
        SIZE size;
        std::optional<Point> remembered;
        RECT area;
        const char* topLeft;
    };
    const Case cases[] = {
        {"none remembered: the work area's corner", medium, std::nullopt, primary, "1440,840"},
        {"remembered inside the area", medium, Point{700, 600}, primary, "220,400"},
        {"remembered exactly at the area's corner", medium, Point{1920, 1040}, primary, "1440,840"},
        {"on the other monitor", medium, Point{-300, 900}, leftMonitor, "-780,700"},
        {"beyond the right and bottom edges", medium, Point{2500, 1500}, primary, "1440,840"},
        {"beyond the left and top edges", medium, Point{100, 50}, primary, "0,0"},
        {"a monitor gone since: far left of the nearest area", medium, Point{-5000, -3000}, primary, "0,0"},
        {"one pixel inside the left edge", medium, Point{481, 201}, primary, "1,1"},
        {"a frame wider and higher than the area keeps its top-left inside", SIZE{2000, 1200},
         Point{1900, 1000}, primary, "0,0"},
        {"a frame wider than the area, none remembered", SIZE{2000, 100}, std::nullopt, primary, "0,940"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text(frameTopLeft(c.size, c.remembered, c.area)), c.topLeft) << c.what;
}

TEST(FramePlacement, ADropNearTheCornerAnchorsTheFrameThereAgain)
{
    const auto droppedAt = [](int right, int bottom) {
        return RECT{right - medium.cx, bottom - medium.cy, right, bottom};
    };
    struct Case {
        const char* what;
        RECT dropped;
        const char* remembered;
    };
    const Case cases[] = {
        {"at the corner", droppedAt(1920, 1040), "none"},
        {"16 pixels left and up of it", droppedAt(1904, 1024), "none"},
        {"16 pixels past it", droppedAt(1936, 1056), "none"},
        {"17 pixels left of it", droppedAt(1903, 1040), "1903,1040"},
        {"17 pixels above it", droppedAt(1920, 1023), "1920,1023"},
        {"near in x, far in y", droppedAt(1910, 500), "1910,500"},
        {"on the left of the screen", droppedAt(600, 1040), "600,1040"},
        {"on the other monitor", droppedAt(-100, 900), "-100,900"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text(droppedCorner(c.dropped, primary)), c.remembered) << c.what;
}
