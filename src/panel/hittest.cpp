// Hit testing. The tables are built once per panel from the real rectangles of a few reference keys, so
// a press costs two table reads and one grid read.
#include "panel/hittest.h"

#include "keys/keytables.h"
#include "state/appstate.h"

namespace {

constexpr int gridRows = 7;
constexpr int gridColumns = 14;

// The arrangement shared by every panel size; a key spanning several cells stands in each of them.
// clang-format off
constexpr BYTE keyGrid[gridRows][gridColumns] = {
    {87,  87,  11,  12,  13,  14,  15,  16,  41,  89,  89,  100, 106, 112},
    {90,  90,  17,  18,  19,  20,  21,  22,  42,  94,  94,  101, 107, 113},
    {91,  91,  80,  80,  23,  24,  81,  81,  43,  95,  95,  102, 108, 114},
    {92,  92,  25,  26,  27,  28,  29,  30,  45,  96,  96,  103, 109, 115},
    {93,  93,  31,  32,  33,  34,  35,  36,  46,  97,  97,  104, 110, 116},
    {88,  88,  37,  38,  39,  40,  47,  48,  44,  49,  50,  105, 111, 117},
    {121, 121, 122, 123, 124, 125, 126, 127, 128, 129, 129, 130, 131, 132},
};
// clang-format on

// Row 6 of the grid: the horizontal extent of the n-th key defines column n.
constexpr const BYTE (&columnKeys)[gridColumns] = keyGrid[5];
// Column 12 of the grid: the vertical extent of the n-th key defines row n.
constexpr BYTE rowKeys[gridRows] = {100, 101, 102, 103, 104, 105, 130};
constexpr BYTE anchorKeys[3] = {altKey, ctrlKey, shiftKey};
constexpr int maxGapPixels = 4;

RECT windowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// Marks [first - 1, last] with value: one pixel beyond the key on each side, later ranges overwriting
// earlier ones, and never outside the table.
void markRange(std::vector<int>& table, int first, int end, int value)
{
    const int tableSize = static_cast<int>(table.size());
    const int from = first - 1 < 0 ? 0 : first - 1;
    const int to = end > tableSize - 1 ? tableSize - 1 : end;
    for (int i = from; i <= to; ++i)
        table[i] = value;
}

// The nearest column within a few pixels of x, stepping by step; 0 if there is none. A gap between two
// columns is at most a few pixels wide in every size.
int nearestColumn(int x, int step)
{
    for (int i = 1; i <= maxGapPixels; ++i) {
        const int at = x + i * step;
        if (at < 0 || at >= static_cast<int>(app.columnOfX.size()))
            return 0;
        if (app.columnOfX[at] != 0)
            return app.columnOfX[at];
    }
    return 0;
}

// A pixel between two cells of one spanning key (the middle of a space bar in the larger sizes) lies
// inside that key's rectangle, so it belongs to the key rather than to no key.
int spannedColumn(int x, int row)
{
    const int left = nearestColumn(x, -1);
    const int right = nearestColumn(x, 1);
    if (left == 0 || right != left + 1 || keyGrid[row - 1][left - 1] != keyGrid[row - 1][right - 1])
        return 0;
    return left;
}

} // namespace

void buildHitTables(HWND panel)
{
    const RECT origin = windowRect(panel);
    // Entries up to the panel's width and height inclusive: the visible size bounds are inclusive.
    app.columnOfX.assign(origin.right - origin.left + 1, 0);
    app.rowOfY.assign(origin.bottom - origin.top + 1, 0);
    for (int n = 1; n <= gridColumns; ++n) {
        const RECT key = windowRect(app.keyHandles[columnKeys[n - 1]]);
        markRange(app.columnOfX, key.left - origin.left, key.right - origin.left, n);
    }
    for (int n = 1; n <= gridRows; ++n) {
        const RECT key = windowRect(app.keyHandles[rowKeys[n - 1]]);
        markRange(app.rowOfY, key.top - origin.top, key.bottom - origin.top, n);
    }
    for (int i = 0; i < 3; ++i) {
        const RECT key = windowRect(app.keyHandles[anchorKeys[i]]);
        app.indicatorAnchors[i] = Point{key.left - origin.left, key.top - origin.top};
    }
}

BYTE keyAt(int x, int y)
{
    if (x < 0 || y < 0 || x >= static_cast<int>(app.columnOfX.size()) ||
        y >= static_cast<int>(app.rowOfY.size()))
        return 0;
    if (x > visibleWidth() || y > visibleHeight())
        return 0;
    const int row = app.rowOfY[y];
    if (row < 1 || row > gridRows)
        return 0;
    const int column = app.columnOfX[x] ? app.columnOfX[x] : spannedColumn(x, row);
    if (column == 0)
        return 0;
    return keyGrid[row - 1][column - 1];
}
