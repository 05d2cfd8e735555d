// The five panel templates and the indicator light bitmaps, read back from the compiled resources.
#include <gtest/gtest.h>

#include "support/dialogtemplate.h"
#include "support/winprocess.h"

#include <string>
#include <vector>

namespace {

// The x and width of a layout column, or the y and height of a row, in dialog units.
struct Span {
    short start;
    short length;
    int end() const
    {
        return start + length;
    }
};

enum Column { S, L1, L2, L3, L4, L5, L6, P, R, N1, N2, N3, columnCount };
constexpr int rowCount = 7;

struct Layout {
    const char* name;
    WORD pointSize;
    const char* faceName;
    short x, y, cx, cy;
    Span columns[columnCount];
    Span rows[rowCount];
    Span leftSpace, rightSpace, lessKey, greaterKey;
    short lightX, lightY;
    WORD lightIds[3];
    bool tabStops;
};

// clang-format off
const Layout layouts[] = {
    {"Key_Tiny", 6, "Helv", 55, 54, 155, 70,
     {{1, 15}, {17, 12}, {29, 12}, {41, 12}, {53, 12}, {65, 12}, {77, 11}, {88, 11}, {100, 20}, {121, 11},
      {132, 11}, {143, 11}},
     {{1, 10}, {11, 10}, {21, 10}, {31, 10}, {41, 10}, {51, 9}, {61, 7}},
     {17, 24}, {65, 23}, {100, 10}, {110, 10}, 0, 0, {330, 340, 350}, false},
    {"Key_Small", 8, "System", 54, 54, 153, 75,
     {{2, 15}, {18, 11}, {30, 11}, {42, 11}, {54, 11}, {66, 11}, {78, 11}, {90, 10}, {101, 19}, {121, 10},
      {131, 10}, {141, 10}},
     {{1, 10}, {12, 10}, {23, 10}, {34, 10}, {45, 10}, {56, 10}, {67, 6}},
     {18, 23}, {66, 23}, {101, 10}, {111, 9}, 0, 0, {331, 341, 351}, false},
    {"Key_Medium", 10, "System", 51, 52, 179, 84,
     {{2, 20}, {23, 13}, {37, 13}, {51, 13}, {65, 13}, {79, 13}, {93, 13}, {107, 11}, {119, 21}, {141, 11},
      {153, 11}, {165, 11}},
     {{3, 11}, {15, 11}, {27, 11}, {39, 11}, {51, 11}, {63, 11}, {76, 6}},
     {23, 27}, {79, 27}, {119, 10}, {129, 11}, -2, 0, {331, 341, 351}, false},
    {"Key_Large", 12, "Helv", 50, 53, 178, 83,
     {{2, 20}, {24, 13}, {38, 13}, {52, 13}, {66, 13}, {80, 13}, {94, 13}, {108, 11}, {120, 20}, {141, 11},
      {153, 11}, {165, 11}},
     {{2, 11}, {14, 11}, {26, 11}, {38, 11}, {50, 11}, {62, 11}, {75, 6}},
     {24, 27}, {80, 27}, {120, 10}, {130, 10}, 0, 0, {332, 342, 352}, false},
    {"Key_Huge", 12, "Helv", 50, 53, 191, 101,
     {{2, 20}, {24, 13}, {38, 13}, {52, 13}, {66, 13}, {80, 13}, {94, 13}, {109, 13}, {124, 22}, {148, 13},
      {162, 13}, {176, 13}},
     {{2, 13}, {17, 13}, {32, 13}, {47, 13}, {62, 13}, {77, 13}, {92, 6}},
     {24, 27}, {80, 27}, {124, 11}, {135, 11}, 0, -1, {333, 343, 353}, true},
};

// Key ids by row and layout column. A space bar covers two letter columns; key 50 shares the row-6 cell of
// column R with key 49.
constexpr int keyGrid[rowCount][columnCount] = {
    {87,  11,  12,  13,  14,  15,  16,  41,  89,  100, 106, 112},
    {90,  17,  18,  19,  20,  21,  22,  42,  94,  101, 107, 113},
    {91,  80,  80,  23,  24,  81,  81,  43,  95,  102, 108, 114},
    {92,  25,  26,  27,  28,  29,  30,  45,  96,  103, 109, 115},
    {93,  31,  32,  33,  34,  35,  36,  46,  97,  104, 110, 116},
    {88,  37,  38,  39,  40,  47,  48,  44,  49,  105, 111, 117},
    {121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131, 132},
};
// clang-format on

constexpr int itemCount = 86;
constexpr WORD buttonClassOrdinal = 0x0080;
constexpr int lightSide = 6;

enum class Kind { key, specialKey, light };

struct ExpectedItem {
    WORD id;
    std::string text;
    Kind kind;
};

// The controls of a template in creation order.
std::vector<ExpectedItem> expectedItems(const Layout& layout)
{
    std::vector<ExpectedItem> items;
    for (WORD id = 11; id <= 36; ++id)
        items.push_back({id, "", Kind::key});
    const char* punctuation[] = {"!", "?", ":", ";", "-", ",", ".", "&&", "(", ")", "'", "\"", "<", ">"};
    for (WORD i = 0; i < 14; ++i)
        items.push_back({static_cast<WORD>(37 + i), punctuation[i], Kind::key});
    items.push_back({80, " ", Kind::key});
    items.push_back({81, " ", Kind::key});
    const char* special[] = {"esc",   "ctrl", "menu", "del",   "tab", "cap",
                             "shift", "num",  "back", "enter", "alt"};
    for (WORD i = 0; i < 11; ++i)
        items.push_back({static_cast<WORD>(87 + i), special[i], Kind::specialKey});
    const std::string pad = "/741=@*8520#+963%$";
    for (WORD i = 0; i < 18; ++i)
        items.push_back({static_cast<WORD>(100 + i), pad.substr(i, 1), Kind::key});
    for (WORD id : layout.lightIds)
        items.push_back({id, "", Kind::light});
    for (WORD i = 0; i < 12; ++i)
        items.push_back({static_cast<WORD>(121 + i), "F" + std::to_string(i + 1), Kind::key});
    return items;
}

DWORD expectedStyle(const Layout& layout, Kind kind)
{
    const DWORD tabStop = layout.tabStops ? WS_TABSTOP : 0;
    switch (kind) {
    case Kind::key: return 0x50000000 | tabStop;
    case Kind::specialKey: return 0x50000020 | tabStop;
    case Kind::light: return 0x5000000B | tabStop;
    }
    return 0;
}

struct UnitRect {
    LONG x, y, cx, cy;
    bool operator==(const UnitRect& other) const
    {
        return x == other.x && y == other.y && cx == other.cx && cy == other.cy;
    }
};

std::ostream& operator<<(std::ostream& out, const UnitRect& rect)
{
    return out << "(" << rect.x << ", " << rect.y << ", " << rect.cx << " x " << rect.cy << ")";
}

// The lights' ids start at 330, above every key id.
bool isKey(int id)
{
    return id < 300;
}

// Where a key stands: the first grid cell that holds it.
bool locate(int id, int& row, int& column)
{
    const int cellKey = id == 50 ? 49 : id;
    for (row = 0; row < rowCount; ++row)
        for (column = 0; column < columnCount; ++column)
            if (keyGrid[row][column] == cellKey)
                return true;
    return false;
}

UnitRect expectedKeyRect(const Layout& layout, int id)
{
    int row = 0;
    int column = 0;
    if (!locate(id, row, column)) {
        ADD_FAILURE() << "key " << id << " has no place on the keyboard";
        return {};
    }
    Span across = layout.columns[column];
    switch (id) {
    case 80: across = layout.leftSpace; break;
    case 81: across = layout.rightSpace; break;
    case 49: across = layout.lessKey; break;
    case 50: across = layout.greaterKey; break;
    }
    const Span down = layout.rows[row];
    return {across.start, down.start, across.length, down.length};
}

UnitRect rectOf(const DialogItem& item)
{
    return {item.x, item.y, item.cx, item.cy};
}

bool overlap(const UnitRect& a, const UnitRect& b)
{
    return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy;
}

DialogTemplate readPanel(const Layout& layout)
{
    return readDialogTemplate(GetModuleHandleA(nullptr), layout.name);
}

testing::AssertionResult isWholePanel(const DialogTemplate& panel)
{
    if (!panel.found)
        return testing::AssertionFailure() << "the template is missing";
    if (panel.extended)
        return testing::AssertionFailure() << "an extended template";
    if (panel.truncated)
        return testing::AssertionFailure() << "the resource ends inside the template";
    if (panel.items.size() != itemCount)
        return testing::AssertionFailure() << panel.items.size() << " items";
    return testing::AssertionSuccess();
}

UnitRect rectOfItem(const DialogTemplate& panel, int id)
{
    for (const DialogItem& item : panel.items)
        if (item.id == id)
            return rectOf(item);
    ADD_FAILURE() << "no item " << id;
    return {};
}

TEST(PanelTemplates, AreChildDialogsWithTheirFontPlaceAndSize)
{
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const DialogTemplate panel = readPanel(layout);
        ASSERT_TRUE(isWholePanel(panel));
        EXPECT_EQ(panel.style, 0x40000040u);
        EXPECT_EQ(panel.exStyle, 0u);
        EXPECT_EQ(panel.itemCount, itemCount);
        EXPECT_EQ(panel.x, layout.x);
        EXPECT_EQ(panel.y, layout.y);
        EXPECT_EQ(panel.cx, layout.cx);
        EXPECT_EQ(panel.cy, layout.cy);
        EXPECT_EQ(nameOf(panel.menu), "") << "no menu";
        EXPECT_EQ(nameOf(panel.windowClass), "") << "the default dialog class";
        EXPECT_EQ(panel.title, "");
        EXPECT_EQ(panel.pointSize, layout.pointSize);
        EXPECT_EQ(panel.faceName, layout.faceName);
    }
}

TEST(PanelTemplates, HoldTheKeysAndLightsInCreationOrder)
{
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const DialogTemplate panel = readPanel(layout);
        ASSERT_TRUE(isWholePanel(panel));
        const std::vector<ExpectedItem> expected = expectedItems(layout);
        for (int i = 0; i < itemCount; ++i) {
            SCOPED_TRACE("item " + std::to_string(i) + ", id " + std::to_string(expected[i].id));
            const DialogItem& actual = panel.items[i];
            EXPECT_EQ(actual.id, expected[i].id);
            EXPECT_TRUE(actual.windowClass.isOrdinal) << "class named " << actual.windowClass.name;
            EXPECT_EQ(actual.windowClass.ordinal, buttonClassOrdinal);
            EXPECT_FALSE(actual.text.isOrdinal);
            EXPECT_EQ(actual.text.name, expected[i].text);
            EXPECT_EQ(actual.exStyle, 0u);
            EXPECT_EQ(actual.creationDataSize, 0);
        }
    }
}

TEST(PanelTemplates, GiveKeysSpecialKeysAndLightsTheirStyles)
{
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const DialogTemplate panel = readPanel(layout);
        ASSERT_TRUE(isWholePanel(panel));
        const std::vector<ExpectedItem> expected = expectedItems(layout);
        for (int i = 0; i < itemCount; ++i) {
            SCOPED_TRACE("id " + std::to_string(expected[i].id));
            const DWORD style = panel.items[i].style;
            EXPECT_EQ(style, expectedStyle(layout, expected[i].kind));
            EXPECT_EQ((style & WS_TABSTOP) != 0, layout.tabStops) << "tab stops only in Key_Huge";
            EXPECT_EQ((style & BS_LEFTTEXT) != 0, expected[i].kind == Kind::specialKey)
                << "left text only on the eleven special keys";
        }
    }
}

TEST(PanelTemplates, PlaceEveryKeyByItsColumnAndRow)
{
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const DialogTemplate panel = readPanel(layout);
        ASSERT_TRUE(isWholePanel(panel));
        for (const DialogItem& key : panel.items) {
            if (isKey(key.id)) {
                EXPECT_EQ(rectOf(key), expectedKeyRect(layout, key.id)) << "key " << key.id;
            }
        }
    }
}

TEST(PanelTemplates, PutTheThreeLightsOnOneSixUnitSquare)
{
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const DialogTemplate panel = readPanel(layout);
        ASSERT_TRUE(isWholePanel(panel));
        for (WORD id : layout.lightIds)
            EXPECT_EQ(rectOfItem(panel, id), (UnitRect{layout.lightX, layout.lightY, lightSide, lightSide}))
                << "light " << id;
    }
}

TEST(PanelTemplates, HaveNoOverlappingKeys)
{
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const DialogTemplate panel = readPanel(layout);
        ASSERT_TRUE(isWholePanel(panel));
        for (size_t i = 0; i < panel.items.size(); ++i)
            for (size_t j = i + 1; j < panel.items.size(); ++j) {
                const DialogItem& a = panel.items[i];
                const DialogItem& b = panel.items[j];
                if (isKey(a.id) && isKey(b.id)) {
                    EXPECT_FALSE(overlap(rectOf(a), rectOf(b))) << "keys " << a.id << " and " << b.id;
                }
            }
    }
}

TEST(PanelTemplates, EndSpaceBarsAndTheGreaterKeyAtTheirColumnsRightEdges)
{
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const DialogTemplate panel = readPanel(layout);
        ASSERT_TRUE(isWholePanel(panel));
        const UnitRect left = rectOfItem(panel, 80);
        const UnitRect right = rectOfItem(panel, 81);
        const UnitRect less = rectOfItem(panel, 49);
        const UnitRect greater = rectOfItem(panel, 50);
        EXPECT_EQ(left.x, layout.columns[L1].start);
        EXPECT_EQ(left.x + left.cx, layout.columns[L2].end());
        EXPECT_EQ(right.x, layout.columns[L5].start);
        EXPECT_EQ(right.x + right.cx, layout.columns[L6].end());
        EXPECT_EQ(less.x, layout.columns[R].start);
        EXPECT_EQ(less.x + less.cx, greater.x) << "< and > touch";
        EXPECT_EQ(greater.x + greater.cx, layout.columns[R].end());
    }
}

TEST(PanelTemplates, SeparateNeighbouringLettersByOneUnitExceptInTiny)
{
    const int rowsOfLetters[][2] = {{11, 16}, {17, 22}, {23, 24}, {25, 30}, {31, 36}};
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const DialogTemplate panel = readPanel(layout);
        ASSERT_TRUE(isWholePanel(panel));
        const int gap = std::string(layout.name) == "Key_Tiny" ? 0 : 1;
        for (const auto& letters : rowsOfLetters)
            for (int id = letters[0]; id < letters[1]; ++id) {
                const UnitRect left = rectOfItem(panel, id);
                const UnitRect right = rectOfItem(panel, id + 1);
                EXPECT_EQ(right.x - (left.x + left.cx), gap) << "letters " << id << " and " << id + 1;
            }
    }
}

TEST(PanelTemplates, SmallAndMediumShareTheSixPixelLights)
{
    const DialogTemplate small = readDialogTemplate(GetModuleHandleA(nullptr), "Key_Small");
    const DialogTemplate medium = readDialogTemplate(GetModuleHandleA(nullptr), "Key_Medium");
    ASSERT_TRUE(isWholePanel(small));
    ASSERT_TRUE(isWholePanel(medium));
    const int firstLight = 71;
    const WORD sixPixelLights[] = {331, 341, 351};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(small.items[firstLight + i].id, sixPixelLights[i]);
        EXPECT_EQ(medium.items[firstLight + i].id, sixPixelLights[i]);
    }
}

// The light bitmaps: one picture per side length, shown by the three lights of a template.
struct LightBitmap {
    WORD id;
    int side;
};

const LightBitmap lightBitmaps[] = {
    {330, 5}, {340, 5}, {350, 5}, {331, 6}, {341, 6}, {351, 6},
    {332, 7}, {342, 7}, {352, 7}, {333, 8}, {343, 8}, {353, 8},
};

TEST(PanelTemplates, AreCarriedByTheProgramItselfWithTheirLights)
{
    HMODULE program = LoadLibraryExA(tilfayPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << tilfayPath();
    HMODULE tests = GetModuleHandleA(nullptr);
    for (const Layout& layout : layouts) {
        const std::vector<BYTE> own = resourceBytes(tests, layout.name, RT_DIALOG);
        EXPECT_FALSE(own.empty()) << layout.name;
        EXPECT_EQ(resourceBytes(program, layout.name, RT_DIALOG), own) << layout.name;
    }
    for (const LightBitmap& light : lightBitmaps) {
        const std::vector<BYTE> own = resourceBytes(tests, MAKEINTRESOURCEA(light.id), RT_BITMAP);
        EXPECT_FALSE(own.empty()) << "light " << light.id;
        EXPECT_EQ(resourceBytes(program, MAKEINTRESOURCEA(light.id), RT_BITMAP), own) << "light " << light.id;
    }
    FreeLibrary(program);
}

// The manifest the platform reads when it starts the program: the program's scale and the pointer's pixels
// agree because it draws at the system's scale; it runs with the user's rights on Windows 7 to 11.
TEST(ProgramManifest, DeclaresSystemScaleAwarenessTheInvokersRightsAndWindows7To11)
{
    HMODULE program = LoadLibraryExA(tilfayPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << tilfayPath();
    const std::vector<BYTE> bytes = resourceBytes(program, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    FreeLibrary(program);
    const std::string manifest(bytes.begin(), bytes.end());
    const auto holds = [&](const std::string& text) { return manifest.find(text) != std::string::npos; };
    EXPECT_TRUE(holds("WindowsSettings\">true</dpiAware>")) << manifest;
    EXPECT_TRUE(holds("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>")) << manifest;
    for (const char* system :
         {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
          "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
        EXPECT_TRUE(holds(std::string("<supportedOS Id=\"{") + system + "}\"/>")) << system;
}

// A panel made by the dialog manager from a template, as the program makes it, inside a hidden window.
INT_PTR CALLBACK quietPanelProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

class TestPanel {
public:
    explicit TestPanel(const char* name)
        : parent_(
              CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr)),
          panel_(CreateDialogParamA(GetModuleHandleA(nullptr), name, parent_, quietPanelProc, 0))
    {
    }
    ~TestPanel()
    {
        if (panel_)
            DestroyWindow(panel_);
        if (parent_)
            DestroyWindow(parent_);
    }
    TestPanel(const TestPanel&) = delete;
    TestPanel& operator=(const TestPanel&) = delete;

    HWND parent() const
    {
        return parent_;
    }
    HWND window() const
    {
        return panel_;
    }

private:
    HWND parent_;
    HWND panel_;
};

// Pixels of a rectangle given in dialog units, each value converted on its own as the dialog manager does.
UnitRect toPixels(HWND panel, const UnitRect& units)
{
    RECT rect{units.x, units.y, units.cx, units.cy};
    MapDialogRect(panel, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

UnitRect placeInParent(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

TEST(PanelWindows, AreHiddenChildrenOfTheirTemplateSize)
{
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const TestPanel panel(layout.name);
        ASSERT_NE(panel.window(), nullptr);
        EXPECT_EQ(GetParent(panel.window()), panel.parent());
        EXPECT_TRUE(GetWindowLongPtrA(panel.window(), GWL_STYLE) & WS_CHILD);
        EXPECT_FALSE(IsWindowVisible(panel.window()));
        RECT client;
        GetClientRect(panel.window(), &client);
        const UnitRect size = toPixels(panel.window(), {0, 0, layout.cx, layout.cy});
        EXPECT_EQ(client.right, size.cx);
        EXPECT_EQ(client.bottom, size.cy);
    }
}

TEST(PanelWindows, HaveTheEightySixControlsInTemplateOrder)
{
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const TestPanel panel(layout.name);
        ASSERT_NE(panel.window(), nullptr);
        std::vector<HWND> controls;
        for (HWND child = GetWindow(panel.window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            controls.push_back(child);
        ASSERT_EQ(controls.size(), static_cast<size_t>(itemCount));
        const std::vector<ExpectedItem> expected = expectedItems(layout);
        for (int i = 0; i < itemCount; ++i) {
            SCOPED_TRACE("id " + std::to_string(expected[i].id));
            EXPECT_EQ(GetDlgCtrlID(controls[i]), expected[i].id);
            EXPECT_EQ(GetDlgItem(panel.window(), expected[i].id), controls[i]);
            EXPECT_EQ(className(controls[i]), "Button");
            EXPECT_EQ(windowText(controls[i]), expected[i].text);
            EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(controls[i], GWL_STYLE)),
                      expectedStyle(layout, expected[i].kind));
        }
    }
}

TEST(PanelWindows, SizeEachControlFromItsTemplateRectangle)
{
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const DialogTemplate compiled = readPanel(layout);
        ASSERT_TRUE(isWholePanel(compiled));
        const TestPanel panel(layout.name);
        ASSERT_NE(panel.window(), nullptr);
        for (const DialogItem& item : compiled.items) {
            HWND control = GetDlgItem(panel.window(), item.id);
            ASSERT_NE(control, nullptr) << "id " << item.id;
            EXPECT_EQ(placeInParent(control), toPixels(panel.window(), rectOf(item))) << "id " << item.id;
        }
    }
}

constexpr COLORREF lightGrey = RGB(192, 192, 192);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);

bool isDark(COLORREF colour)
{
    return GetRValue(colour) <= 128 && GetGValue(colour) <= 128 && GetBValue(colour) <= 128;
}

// The bitmap as the program loads it, read pixel by pixel, top row first.
std::vector<COLORREF> loadedPixels(WORD id, int side)
{
    std::vector<COLORREF> pixels;
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (!bitmap)
        return pixels;
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return pixels;
}

TEST(IndicatorBitmaps, AreSixteenColourBitmapsOfTheirSide)
{
    for (const LightBitmap& light : lightBitmaps) {
        SCOPED_TRACE("light " + std::to_string(light.id));
        const std::vector<BYTE> dib =
            resourceBytes(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(light.id), RT_BITMAP);
        ASSERT_GE(dib.size(), sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER header;
        CopyMemory(&header, dib.data(), sizeof header);
        EXPECT_EQ(header.biSize, sizeof header);
        EXPECT_EQ(header.biBitCount, 4);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
        EXPECT_EQ(header.biWidth, light.side);
        EXPECT_EQ(header.biHeight, light.side);

        HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(light.id));
        ASSERT_NE(bitmap, nullptr);
        BITMAP info;
        GetObjectA(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, light.side);
        EXPECT_EQ(info.bmHeight, light.side);
        DeleteObject(bitmap);
    }
}

TEST(IndicatorBitmaps, ShowRedLightsWithAGlintAndADarkRimOnGrey)
{
    for (const LightBitmap& light : lightBitmaps) {
        SCOPED_TRACE("light " + std::to_string(light.id));
        const int side = light.side;
        const std::vector<COLORREF> pixels = loadedPixels(light.id, side);
        ASSERT_EQ(pixels.size(), static_cast<size_t>(side * side));
        const auto at = [&](int x, int y) { return pixels[y * side + x]; };
        const int last = side - 1;
        EXPECT_EQ(at(0, 0), lightGrey);
        EXPECT_EQ(at(last, 0), lightGrey);
        EXPECT_EQ(at(0, last), lightGrey);
        EXPECT_EQ(at(last, last), lightGrey);
        EXPECT_EQ(at(side / 2, side / 2), red);
        EXPECT_EQ(at(last / 2, last / 2), red);
        EXPECT_TRUE(isDark(at(side / 2, 0))) << "rim at the top";
        EXPECT_TRUE(isDark(at(side / 2, last))) << "rim at the bottom";
        EXPECT_TRUE(isDark(at(0, side / 2))) << "rim at the left";
        EXPECT_TRUE(isDark(at(last, side / 2))) << "rim at the right";
        bool glint = false;
        for (int y = 0; y < side / 2; ++y)
            for (int x = 0; x < side / 2; ++x)
                glint = glint || at(x, y) == white;
        EXPECT_TRUE(glint) << "a white highlight toward the upper left";
    }
}

TEST(IndicatorBitmaps, LookAlikeWithinOneSide)
{
    for (const LightBitmap& light : lightBitmaps) {
        const std::vector<COLORREF> pixels = loadedPixels(light.id, light.side);
        const WORD altLight = static_cast<WORD>(330 + light.side - 5);
        EXPECT_FALSE(pixels.empty()) << "light " << light.id;
        EXPECT_EQ(pixels, loadedPixels(altLight, light.side)) << "lights " << light.id << " and " << altLight;
    }
}

} // namespace
