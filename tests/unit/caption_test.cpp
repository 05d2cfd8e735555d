// The caption bar, built from its real template inside a test frame: layout, painting, focus, the frame menu
// and the clean-up of its bitmaps and brush.
#include <gtest/gtest.h>

#include "caption/bitmapcontrols.h"
#include "caption/captionbar.h"
#include "resources/resource.h"
#include "state/appstate.h"
#include "shell/frame.h"
#include "support/modalloop.h"
#include "support/pointerinput.h"
#include "support/dialogtemplate.h"
#include "support/resourcereader.h"
#include "support/settingsfile.h"
#include "support/winprocess.h"

#include <algorithm>
#include <vector>

namespace {

constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF grey = RGB(128, 128, 128);
constexpr COLORREF silver = RGB(192, 192, 192);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF navy = RGB(0, 0, 128);
constexpr COLORREF blue = RGB(0, 0, 255);

constexpr int fullWidth = 320;
constexpr int compactWidth = 240;
constexpr int barHeight = 10;

constexpr UINT frameMenuCommands[] = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};

bool isGrayed(HMENU menu, UINT command)
{
    return GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED;
}

// Whether each of frameMenuCommands was grayed when the frame was told that its menu opens: that is what
// showFrameMenu left, before the platform shows the menu (Wine then sets some states from the frame's style).
std::vector<bool> grayedOnOpening;

LRESULT onInitMenuPopup(HWND frame, WPARAM wParam)
{
    HMENU menu = reinterpret_cast<HMENU>(wParam);
    if (menu == GetSystemMenu(frame, FALSE)) {
        grayedOnOpening.clear();
        for (UINT command : frameMenuCommands)
            grayedOnOpening.push_back(isGrayed(menu, command));
    }
    return 0;
}

// The frame menu's commands may come as WM_COMMAND, which the keyboard's frame carries out like this.
LRESULT onFrameCommand(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case SC_MINIMIZE: CloseWindow(frame); return 0;
    case SC_CLOSE: DestroyWindow(frame); return 0;
    default: return DefWindowProcA(frame, message, wParam, lParam);
    }
}

LRESULT CALLBACK testFrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITMENUPOPUP: return onInitMenuPopup(frame, wParam);
    case WM_COMMAND: return onFrameCommand(frame, message, wParam, lParam);
    default: return DefWindowProcA(frame, message, wParam, lParam);
    }
}

void registerClasses()
{
    WNDCLASSA frameClass{};
    frameClass.lpfnWndProc = testFrameProc;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    frameClass.lpszClassName = "CaptionTestFrame";
    RegisterClassA(&frameClass);
}

// A frame like the keyboard's, its client area wide enough to show the whole bar.
HWND makeFrame()
{
    const DWORD style = WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU;
    RECT r{0, 0, fullWidth, 60};
    AdjustWindowRect(&r, style, FALSE);
    HWND frame =
        CreateWindowExA(WS_EX_TOPMOST, "CaptionTestFrame", "Tilfay", style, 100, 100, r.right - r.left,
                        r.bottom - r.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    pumpFor(50);
    return frame;
}

std::string placeText(const RECT& r)
{
    return '(' + std::to_string(r.left) + ',' + std::to_string(r.top) + ") " +
           std::to_string(r.right - r.left) + 'x' + std::to_string(r.bottom - r.top);
}

// Where a child lies in its parent's client coordinates.
std::string placeOf(HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return placeText(r);
}

std::string place(int x, int y, int width, int height)
{
    return placeText(RECT{x, y, x + width, y + height});
}

RECT rect(int x, int y, int width, int height)
{
    return RECT{x, y, x + width, y + height};
}

struct Pixels {
    int width;
    int height;
    std::vector<COLORREF> colours;
    COLORREF at(int x, int y) const
    {
        return colours[y * width + x];
    }
};

// A window's client area as painted, read back through its own device context.
Pixels capture(HWND window, int width, int height)
{
    HDC source = GetDC(window);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(source);
    HGDIOBJ replaced = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    Pixels pixels{width, height, {}};
    for (int i = 0; i < width * height; ++i) {
        const DWORD value = static_cast<const DWORD*>(bits)[i];
        pixels.colours.push_back(RGB(value >> 16 & 0xFF, value >> 8 & 0xFF, value & 0xFF));
    }
    SelectObject(memory, replaced);
    DeleteDC(memory);
    DeleteObject(dib);
    ReleaseDC(window, source);
    return pixels;
}

// Repaints a window and its children at once and lets the platform put the result on its surface.
void paintNow(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpFor(50);
}

std::string colourName(COLORREF c)
{
    char text[32];
    wsprintfA(text, "(%d,%d,%d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// The pictures as described, pixel by pixel.
COLORREF keyboardGrip(int x, int y)
{
    if (y % 3 == 0 || x % 4 == 3)
        return grey;
    return x % 4 == 2 && y % 3 == 2 ? red : white;
}

COLORREF buttonFace(int x, int y)
{
    if (x == 14)
        return black;
    if (y == 0 || x == 0)
        return white;
    return x == 13 ? grey : silver;
}

COLORREF minimiseButton(int x, int y)
{
    return x >= 4 && x <= 9 && (y == 6 || y == 7) ? black : buttonFace(x, y);
}

COLORREF closeButton(int x, int y)
{
    static const std::vector<std::vector<int>> crossByRow = {
        {},     {},           {3, 4, 9, 10}, {4, 5, 8, 9},  {5, 6, 7, 8},
        {6, 7}, {5, 6, 7, 8}, {4, 5, 8, 9},  {3, 4, 9, 10}, {},
    };
    for (int column : crossByRow[y])
        if (column == x)
            return black;
    return buttonFace(x, y);
}

void expectPicture(int id, int width, int height, COLORREF (*expected)(int, int))
{
    const ResourceBitmap bitmap = readBitmapResource(id);
    ASSERT_TRUE(bitmap.found) << id;
    EXPECT_EQ(bitmap.bitsPerPixel, 4) << id;
    ASSERT_EQ(bitmap.width, width) << id;
    ASSERT_EQ(bitmap.height, height) << id;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(colourName(bitmap.at(x, y)), colourName(expected(x, y)))
                << "bitmap " << id << " at " << x << ',' << y;
}

// Compares a captured area with a bitmap resource's top-left part of the same size.
void expectShows(const Pixels& screen, RECT area, int id)
{
    const ResourceBitmap bitmap = readBitmapResource(id);
    ASSERT_TRUE(bitmap.found);
    int wrong = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (screen.at(x, y) != bitmap.at(x - area.left, y - area.top) && wrong++ < 5)
                ADD_FAILURE() << "bitmap " << id << " at " << x - area.left << ',' << y - area.top
                              << " shows " << colourName(screen.at(x, y)) << ", not "
                              << colourName(bitmap.at(x - area.left, y - area.top));
    EXPECT_EQ(wrong, 0) << "bitmap " << id;
}

void expectNavyColumns(const Pixels& screen, int from, int to)
{
    for (int y = 0; y < barHeight; ++y)
        for (int x = from; x <= to; ++x)
            ASSERT_EQ(colourName(screen.at(x, y)), colourName(navy)) << "background at " << x << ',' << y;
}

void allowClosing(const char* value)
{
    writeSetting("Closing allowed", value);
}

// A point of the shown popup menu that lies on the item at the position, found by asking the menu.
POINT pointOnMenuItem(HWND popup, HMENU menu, int position)
{
    RECT r;
    GetWindowRect(popup, &r);
    const int x = (r.left + r.right) / 2;
    int top = r.bottom;
    int bottom = r.top;
    for (int y = r.top; y < r.bottom; ++y)
        if (MenuItemFromPoint(nullptr, menu, POINT{x, y}) == position) {
            top = std::min(top, y);
            bottom = y;
        }
    return POINT{x, (top + bottom) / 2};
}

class CaptionBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerClasses();
        captureButtonClass();
        captureStaticClass();
        app = AppState{};
        app.fullWidth = fullWidth;
        app.compactWidth = compactWidth;
        app.fullHeight = 50;
        app.compactHeight = 40;
        app.showNumbers = 1;
        app.keySize = 3;
        measureScreen();
        frame = makeFrame();
        app.mainWindow = frame;
        target = CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE | WS_BORDER, 10, 10, 80, 24, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        app.targetWindow = target;
    }

    void TearDown() override
    {
        if (IsWindow(frame))
            DestroyWindow(frame);
        DestroyWindow(target);
    }

    HWND createBar()
    {
        app.captionBar = createCaptionBar(frame);
        pumpFor(50);
        return app.captionBar;
    }

    HWND control(int id) const
    {
        return GetDlgItem(app.captionBar, id);
    }

    void click(int id)
    {
        SendMessageA(control(id), BM_CLICK, 0, 0);
    }

    HWND frame = nullptr;
    HWND target = nullptr;
};

} // namespace

TEST(CaptionTemplate, HoldsTheFourControlsInTemplateOrder)
{
    const DialogTemplate bar = readDialogTemplate(GetModuleHandleA(nullptr), "SmallCaption_dialog");
    ASSERT_TRUE(bar.found);
    EXPECT_EQ(bar.style, 0x50000000u);
    EXPECT_EQ(bar.exStyle, 0u);
    EXPECT_EQ(bar.x, 6);
    EXPECT_EQ(bar.y, 15);
    EXPECT_EQ(bar.cx, 161);
    EXPECT_EQ(bar.cy, 114);
    EXPECT_EQ(nameOf(bar.menu), "");
    EXPECT_EQ(nameOf(bar.windowClass), "");
    EXPECT_EQ(bar.title, "");
    struct Expected {
        int id;
        const char* className;
        DWORD style;
        int x, y;
    };
    const Expected expected[] = {
        {327, "BUTTON", 0x5001000B, 146, 5},
        {326, "BUTTON", 0x5001000B, 131, 4},
        {325, "BUTTON", 0x5001000B, 2, 0},
        {328, "STATIC", 0x5002000D, 16, 0},
    };
    ASSERT_EQ(bar.items.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const DialogItem& item = bar.items[i];
        EXPECT_EQ(item.id, expected[i].id) << i;
        EXPECT_EQ(nameOf(item.windowClass), expected[i].className) << i;
        EXPECT_EQ(item.style, expected[i].style) << i;
        EXPECT_EQ(item.exStyle, 0u) << i;
        EXPECT_EQ(item.x, expected[i].x) << i;
        EXPECT_EQ(item.y, expected[i].y) << i;
        EXPECT_EQ(item.cx, 11) << i;
        EXPECT_EQ(item.cy, 12) << i;
    }
}

TEST(CaptionBitmaps, MenuGripIsAKeyboardOfTwelveKeysWithRedCorners)
{
    expectPicture(325, 16, 10, keyboardGrip);
}

TEST(CaptionBitmaps, MinimiseButtonIsARaisedFaceWithABar)
{
    expectPicture(326, 15, 10, minimiseButton);
}

TEST(CaptionBitmaps, CloseButtonIsARaisedFaceWithACross)
{
    expectPicture(327, 15, 10, closeButton);
}

TEST(CaptionBitmaps, AllUseTheStandardSixteenColours)
{
    for (int id = 325; id <= 329; ++id) {
        const ResourceBitmap bitmap = readBitmapResource(id);
        ASSERT_TRUE(bitmap.found) << id;
        EXPECT_EQ(bitmap.bitsPerPixel, 4) << id;
        EXPECT_EQ(bitmap.height, 10) << id;
        ASSERT_EQ(bitmap.palette.size(), 16u) << id;
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(colourName(bitmap.palette[i]), colourName(standardPalette[i])) << id << " entry " << i;
    }
}

TEST(CaptionBitmaps, TitleIsWhiteLetteringOnNavyWithinColumns4To32)
{
    const ResourceBitmap title = readBitmapResource(328);
    ASSERT_TRUE(title.found);
    ASSERT_EQ(title.width, 36);
    ASSERT_EQ(title.height, 10);
    int lettering = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 36; ++x) {
            const COLORREF c = title.at(x, y);
            if (x < 4 || x > 32)
                EXPECT_EQ(colourName(c), colourName(navy)) << x << ',' << y;
            else
                EXPECT_TRUE(c == navy || c == white) << colourName(c) << " at " << x << ',' << y;
            lettering += c == white;
        }
    EXPECT_GT(lettering, 40) << "the name is lettered";
}

TEST(CaptionBitmaps, SpareTitleDiffersInExactlyTwoBluePixels)
{
    const ResourceBitmap title = readBitmapResource(328);
    const ResourceBitmap spare = readBitmapResource(329);
    ASSERT_TRUE(title.found && spare.found);
    ASSERT_EQ(spare.width, title.width);
    ASSERT_EQ(spare.height, title.height);
    int differences = 0;
    for (int y = 0; y < title.height; ++y)
        for (int x = 0; x < title.width; ++x)
            if (spare.at(x, y) != title.at(x, y)) {
                ++differences;
                EXPECT_EQ(colourName(spare.at(x, y)), colourName(blue)) << x << ',' << y;
            }
    EXPECT_EQ(differences, 2);
}

TEST_F(CaptionBar, FillsTheTopTenPixelsAtFullWidth)
{
    HWND bar = createBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetParent(bar), frame);
    EXPECT_EQ(placeOf(bar), place(0, 0, fullWidth, barHeight));
    DestroyWindow(bar);
    app.showNumbers = 0;
    EXPECT_EQ(placeOf(createBar()), place(0, 0, fullWidth, barHeight)) << "the frame clips it, it stays full";
}

TEST_F(CaptionBar, LaysTheTemplatesControlsOutInPixels)
{
    HWND bar = createBar();
    ASSERT_NE(bar, nullptr);
    int children = 0;
    for (HWND child = GetWindow(bar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(children, 4);
    EXPECT_EQ(placeOf(control(325)), place(3, 0, 16, 10));
    EXPECT_EQ(placeOf(control(328)), place(21, 0, 35, 10));
    EXPECT_EQ(placeOf(control(327)), place(fullWidth - 17, 0, 15, 10));
    EXPECT_EQ(placeOf(control(326)), place(fullWidth - 34, 0, 15, 10));
    EXPECT_EQ(className(control(325)), "Button");
    EXPECT_EQ(className(control(328)), "Static");
}

TEST_F(CaptionBar, RightHandButtonsFollowTheVisibleEdge)
{
    app.showNumbers = 0;
    ASSERT_NE(createBar(), nullptr);
    EXPECT_EQ(placeOf(control(326)), place(compactWidth - 34, 0, 15, 10));
    EXPECT_EQ(placeOf(control(327)), place(compactWidth - 17, 0, 15, 10));
    app.showNumbers = 1;
    layoutCaptionBar();
    EXPECT_EQ(placeOf(control(326)), place(fullWidth - 34, 0, 15, 10));
    EXPECT_EQ(placeOf(control(327)), place(fullWidth - 17, 0, 15, 10));
    app.showNumbers = 0;
    layoutCaptionBar();
    EXPECT_EQ(placeOf(control(326)), place(compactWidth - 34, 0, 15, 10));
    EXPECT_EQ(placeOf(control(327)), place(compactWidth - 17, 0, 15, 10));
    EXPECT_EQ(placeOf(control(325)), place(3, 0, 16, 10)) << "the left side does not move";
    EXPECT_EQ(placeOf(control(328)), place(21, 0, 35, 10));
}

TEST_F(CaptionBar, ControlsPaintTheirBitmapsOnNavy)
{
    HWND bar = createBar();
    ASSERT_NE(bar, nullptr);
    paintNow(frame);
    const Pixels screen = capture(bar, fullWidth, barHeight);
    expectShows(screen, rect(3, 0, 16, 10), 325);
    expectShows(screen, rect(21, 0, 35, 10), 328);
    expectShows(screen, rect(fullWidth - 34, 0, 15, 10), 326);
    expectShows(screen, rect(fullWidth - 17, 0, 15, 10), 327);
    expectNavyColumns(screen, 0, 2);
    expectNavyColumns(screen, 19, 20);
    expectNavyColumns(screen, 56, fullWidth - 35);
    expectNavyColumns(screen, fullWidth - 19, fullWidth - 18);
    expectNavyColumns(screen, fullWidth - 2, fullWidth - 1);
}

TEST_F(CaptionBar, PressedOrFocusedButtonLooksLikeAnIdleOne)
{
    HWND bar = createBar();
    ASSERT_NE(bar, nullptr);
    paintNow(frame);
    const Pixels idle = capture(bar, fullWidth, barHeight);
    SendMessageA(control(327), BM_SETSTATE, TRUE, 0);
    paintNow(frame);
    ASSERT_TRUE(SendMessageA(control(327), BM_GETSTATE, 0, 0) & BST_PUSHED);
    const Pixels pressed = capture(bar, fullWidth, barHeight);
    SendMessageA(control(327), BM_SETSTATE, FALSE, 0);
    SetFocus(control(326));
    paintNow(frame);
    ASSERT_EQ(GetFocus(), control(326));
    const Pixels focused = capture(bar, fullWidth, barHeight);
    EXPECT_TRUE(pressed.colours == idle.colours);
    EXPECT_TRUE(focused.colours == idle.colours);
    expectShows(pressed, rect(fullWidth - 17, 0, 15, 10), 327);
}

TEST_F(CaptionBar, TakesNoFocusWhenCreated)
{
    SetFocus(frame);
    ASSERT_EQ(GetFocus(), frame);
    HWND bar = createBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetFocus(), frame);
}

TEST_F(CaptionBar, IsNavyAndDestroyingItDeletesItsBitmaps)
{
    HWND bar = createBar();
    ASSERT_NE(bar, nullptr);
    std::vector<HGDIOBJ> bitmaps;
    for (int id : {325, 326, 327, 328})
        bitmaps.push_back(GetPropA(control(id), "BitMapProperty"));
    HDC dc = GetDC(bar);
    auto brush = reinterpret_cast<HGDIOBJ>(
        SendMessageA(bar, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(bar)));
    ReleaseDC(bar, dc);
    for (HGDIOBJ bitmap : bitmaps)
        ASSERT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    ASSERT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    LOGBRUSH colour{};
    GetObjectA(brush, sizeof colour, &colour);
    EXPECT_EQ(colourName(colour.lbColor), colourName(navy));
    DestroyWindow(bar);
    for (HGDIOBJ bitmap : bitmaps)
        EXPECT_EQ(GetObjectType(bitmap), 0u);
}

TEST_F(CaptionBar, MinimiseButtonMinimisesTheFrameAndHandsBackTheFocus)
{
    ASSERT_NE(createBar(), nullptr);
    click(326);
    EXPECT_TRUE(IsIconic(frame));
    EXPECT_EQ(GetFocus(), target);
}

TEST_F(CaptionBar, CloseButtonDestroysTheFrameAndHandsBackTheFocus)
{
    allowClosing("N");
    HWND bar = createBar();
    ASSERT_NE(bar, nullptr);
    click(327);
    EXPECT_FALSE(IsWindow(frame)) << "the close button does not ask whether closing is allowed";
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_EQ(GetFocus(), target);
}

TEST_F(CaptionBar, NotificationsOtherThanAClickDoNothing)
{
    HWND bar = createBar();
    ASSERT_NE(bar, nullptr);
    for (int id : {326, 327}) {
        const auto ctl = reinterpret_cast<LPARAM>(control(id));
        SendMessageA(bar, WM_COMMAND, MAKEWPARAM(id, BN_DOUBLECLICKED), ctl);
        EXPECT_EQ(captionBarProc(bar, WM_COMMAND, MAKEWPARAM(id, BN_SETFOCUS), ctl), 0);
    }
    pumpFor(50);
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_FALSE(IsIconic(frame));
    EXPECT_EQ(captionBarProc(bar, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0), 0) << "not a bar command";
}

TEST_F(CaptionBar, OnlyButtonsAndStaticsAreAskedToDrawThemselves)
{
    HWND bar = createBar();
    ASSERT_NE(bar, nullptr);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.CtlID = 327;
    EXPECT_EQ(captionBarProc(bar, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)), 0);
}

TEST_F(CaptionBar, MenuGripOpensTheFrameMenuJustBelowTheBar)
{
    allowClosing("Y");
    ASSERT_NE(createBar(), nullptr);
    POINT expected{0, 11};
    ClientToScreen(frame, &expected);
    RECT menuPlace{};
    const bool shown = driveModalLoop([&] { click(325); },
                                      [&] {
                                          HWND popup = visibleThreadWindow("#32768");
                                          if (!popup)
                                              return false;
                                          GetWindowRect(popup, &menuPlace);
                                          EndMenu();
                                          return true;
                                      },
                                      shortWait);
    EXPECT_TRUE(shown);
    EXPECT_EQ(menuPlace.left, expected.x);
    EXPECT_EQ(menuPlace.top, expected.y);
    EXPECT_EQ(GetFocus(), target);
}

TEST_F(CaptionBar, CloseChosenInTheFrameMenuReachesTheFrame)
{
    allowClosing("Y");
    ASSERT_NE(createBar(), nullptr);
    HMENU menu = GetSystemMenu(frame, FALSE);
    const bool chosen = driveModalLoop([&] { click(325); },
                                       [&] {
                                           if (!visibleThreadWindow("#32768"))
                                               return false;
                                           HWND popup = visibleThreadWindow("#32768");
                                           if (!popup)
                                               return false;
                                           clickAt(pointOnMenuItem(popup, menu, 6));
                                           return true;
                                       },
                                       shortWait);
    EXPECT_TRUE(chosen);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(frame); }, shortWait));
    EXPECT_EQ(GetFocus(), target);
}

TEST_F(CaptionBar, PressOnTheTitleDragsTheFrameAndHandsBackTheFocus)
{
    ASSERT_NE(createBar(), nullptr);
    RECT before;
    GetWindowRect(frame, &before);
    const POINT start = centreOf(control(328));
    movePointerTo(start);
    pressLeftButton();
    movePointerTo(POINT{start.x + 40, start.y + 30});
    movePointerTo(POINT{start.x + 60, start.y + 50});
    releaseLeftButton();
    // The frame keeps the bottom-right corner where it was dropped and takes the visible panel's size.
    RECT after{};
    EXPECT_TRUE(waitUntil(
        [&] {
            GetWindowRect(frame, &after);
            return after.right == before.right + 60 && after.bottom == before.bottom + 50;
        },
        shortWait))
        << placeText(after);
    EXPECT_EQ(GetFocus(), target);
}

class FrameMenu : public CaptionBar {
protected:
    // Opens the frame menu and reads the state of Close while it is shown.
    void openAndRead()
    {
        grayedOnOpening.clear();
        HMENU menu = GetSystemMenu(frame, FALSE);
        const bool read = driveModalLoop(
            showFrameMenu,
            [&] {
                if (!visibleThreadWindow("#32768"))
                    return false;
                closeGrayedWhileShown = isGrayed(menu, SC_CLOSE);
                EndMenu();
                return true;
            },
            shortWait);
        ASSERT_TRUE(read);
        ASSERT_EQ(grayedOnOpening.size(), 6u);
    }

    bool closeGrayedWhileShown = false;
};

TEST_F(FrameMenu, GraysRestoreMoveSizeAndMaximize)
{
    allowClosing("Y");
    ASSERT_NE(createBar(), nullptr);
    openAndRead();
    EXPECT_TRUE(grayedOnOpening[0]) << "Restore";
    EXPECT_TRUE(grayedOnOpening[1]) << "Move";
    EXPECT_TRUE(grayedOnOpening[2]) << "Size";
    EXPECT_FALSE(grayedOnOpening[3]) << "Minimize";
    EXPECT_TRUE(grayedOnOpening[4]) << "Maximize";
}

TEST_F(FrameMenu, CloseStandsAtPositionSix)
{
    EXPECT_EQ(GetMenuItemID(GetSystemMenu(frame, FALSE), 6), static_cast<UINT>(SC_CLOSE));
}

TEST_F(FrameMenu, GraysCloseWhenTheSettingsFileDoesNotAllowClosing)
{
    allowClosing("N");
    openAndRead();
    EXPECT_TRUE(grayedOnOpening[5]);
    EXPECT_TRUE(closeGrayedWhileShown);
}

TEST_F(FrameMenu, LeavesCloseAloneWhenTheSettingsFileAllowsClosing)
{
    allowClosing("Y");
    openAndRead();
    EXPECT_FALSE(grayedOnOpening[5]);
    EXPECT_FALSE(closeGrayedWhileShown);
}

TEST_F(FrameMenu, CloseOnceGrayedStaysGrayedWhenClosingIsAllowedLater)
{
    allowClosing("N");
    openAndRead();
    allowClosing("Y");
    openAndRead();
    EXPECT_TRUE(grayedOnOpening[5]);
    EXPECT_TRUE(closeGrayedWhileShown);
}
