// The caption bar of the real keyboard beside notepad, used with real pointer input: the frame menu from
// the grip and from Alt+Space, the close and minimise buttons, and dragging the frame by the bar.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "support/keyboard.h"
#include "support/keyboardparts.h"
#include "support/keyinput.h"
#include "support/session.h"
#include "support/settingsfile.h"

namespace {

constexpr int captionHeight = 10;

// The frame menu's items from the top, as the platform's standard system menu orders them.
enum FrameMenuRow { restoreRow, moveRow, sizeRow, minimizeRow, maximizeRow, closeRow, frameMenuRows };

std::string placeText(const RECT& r)
{
    return '(' + std::to_string(r.left) + ',' + std::to_string(r.top) + ") " +
           std::to_string(r.right - r.left) + 'x' + std::to_string(r.bottom - r.top);
}

bool inMoveLoop(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
           (info.flags & GUI_INMOVESIZE);
}

std::string grayedText(const std::vector<MenuRow>& rows)
{
    std::string text;
    for (const MenuRow& row : rows)
        text += row.grayed ? 'g' : 'e';
    return text;
}

class CaptionBarInUse : public ::testing::Test {
protected:
    HWND frame() const
    {
        return session.keyboard.frame;
    }
    HWND bar() const
    {
        return captionBarOf(frame());
    }
    DWORD keyboardId() const
    {
        return session.keyboard.program->id();
    }

    // The frame menu as shown: its place is checked against the bar, its rows are read off the screen. The
    // menu opens just below the bar, unless the platform has to move it up to keep it on the screen, as
    // it does for a keyboard at the bottom of the screen.
    std::vector<MenuRow> readFrameMenu(HWND popup)
    {
        POINT corner{0, captionHeight + 1};
        ClientToScreen(frame(), &corner);
        const RECT place = screenRectOf(popup);
        const int lowestTop = GetSystemMetrics(SM_CYSCREEN) - (place.bottom - place.top);
        EXPECT_EQ(place.left, corner.x) << "the menu's left edge is the frame's client edge";
        EXPECT_EQ(place.top, std::min<LONG>(corner.y, lowestTop)) << "the menu opens just below the bar";
        const std::vector<MenuRow> rows = menuRows(popup);
        std::cout << "frame menu rows, e enabled and g grayed from Restore down: " << grayedText(rows)
                  << std::endl;
        return rows;
    }

    void expectAlwaysGrayed(const std::vector<MenuRow>& rows)
    {
        ASSERT_GE(rows.size(), static_cast<std::size_t>(frameMenuRows));
        EXPECT_TRUE(rows[restoreRow].grayed) << "Restore";
        EXPECT_TRUE(rows[sizeRow].grayed) << "Size";
        EXPECT_TRUE(rows[maximizeRow].grayed) << "Maximize";
    }

    // Closes a shown frame menu with Escape, as the keyboard's thread takes the keys while its menu is open.
    void dismiss(HWND popup)
    {
        pressKey(VK_ESCAPE);
        EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(popup); }, shortWait));
    }

    // Drags as a hand does: presses, and moves once the press has started the platform's move loop, which
    // follows the pointer until the release. (Under Wine, moves and a release sent together with the press
    // were lost to the loop, which then went on following the pointer after the button was up.)
    ::testing::AssertionResult drag(POINT from, POINT to)
    {
        movePointerTo(from);
        pressLeftButton();
        const bool moving = waitUntil([&] { return inMoveLoop(frame()); }, shortWait);
        movePointerTo(POINT{(from.x + to.x) / 2, (from.y + to.y) / 2});
        movePointerTo(to);
        releaseLeftButton();
        if (!moving)
            return ::testing::AssertionFailure() << "the press did not start moving the frame";
        if (!waitUntil([&] { return !inMoveLoop(frame()); }, shortWait))
            return ::testing::AssertionFailure() << "the release did not end the move";
        return ::testing::AssertionSuccess();
    }

    // The user clicks back into notepad on its title bar.
    void clickNotepad()
    {
        const RECT place = screenRectOf(session.notepad.window);
        clickAt(POINT{place.left + 150, place.top + 10});
    }

    Session session;
};

} // namespace

TEST_F(CaptionBarInUse, TheGripOpensTheFrameMenuWithCloseGrayedWhenClosingIsNotAllowed)
{
    ASSERT_TRUE(startSession(session));
    // Dragged up, so that the menu has room below the bar.
    const POINT title = centreOf(GetDlgItem(bar(), IDC_CAPTION_TITLE));
    ASSERT_TRUE(drag(title, POINT{title.x, title.y - 300}));
    ASSERT_TRUE(
        waitUntil([&] { return hasTheFocus(session.notepad.window, session.notepad.edit); }, shortWait));
    clickAt(centreOf(GetDlgItem(bar(), IDC_CAPTION_MENU)));
    HWND popup = waitForFrameMenu(keyboardId());
    ASSERT_NE(popup, nullptr);
    const std::vector<MenuRow> rows = readFrameMenu(popup);
    expectAlwaysGrayed(rows);
    ASSERT_GE(rows.size(), static_cast<std::size_t>(frameMenuRows));
    EXPECT_TRUE(rows[closeRow].grayed) << "Close";
    dismiss(popup);
    EXPECT_TRUE(typingGoesOn(session)) << "the grip hands the focus back once the menu closes";
}

TEST_F(CaptionBarInUse, CloseInTheFrameMenuClosesTheKeyboardWhenTheSettingsFileAllowsClosing)
{
    ASSERT_TRUE(startSession(session, "[Tilfay]\r\nClosing allowed=Y\r\n"));
    clickAt(centreOf(GetDlgItem(bar(), IDC_CAPTION_MENU)));
    HWND popup = waitForFrameMenu(keyboardId());
    ASSERT_NE(popup, nullptr);
    const std::vector<MenuRow> rows = readFrameMenu(popup);
    expectAlwaysGrayed(rows);
    ASSERT_GE(rows.size(), static_cast<std::size_t>(frameMenuRows));
    ASSERT_FALSE(rows[closeRow].grayed) << "Close";
    clickAt(centreOf(rows[closeRow]));
    EXPECT_EQ(session.keyboard.program->waitForExit(longWait), 0u);
    EXPECT_EQ(settingsEntries().size(), 22u) << "the settings are saved";
}

// A click on the frame's thin border, the one part of it that no child covers, would leave the focus on the
// keyboard: it does not activate the frame.
TEST_F(CaptionBarInUse, AClickOnTheFramesBorderLeavesTheFocusInNotepad)
{
    ASSERT_TRUE(startSession(session));
    const RECT place = screenRectOf(frame());
    clickAt(POINT{place.left + 40, place.top});
    pumpFor(500);
    EXPECT_NE(GetForegroundWindow(), frame());
    EXPECT_TRUE(typingGoesOn(session));
}

TEST_F(CaptionBarInUse, TheCloseButtonClosesTheKeyboardEvenWhenClosingIsNotAllowed)
{
    ASSERT_TRUE(startSession(session, "[Tilfay]\r\nClosing allowed=N\r\n"));
    clickAt(centreOf(GetDlgItem(bar(), IDC_CAPTION_CLOSE)));
    EXPECT_EQ(session.keyboard.program->waitForExit(longWait), 0u);
    const auto entries = settingsEntries();
    EXPECT_EQ(entries.size(), 22u) << "the settings are saved";
    EXPECT_EQ(profileValue("Closing allowed"), "N");
}

TEST_F(CaptionBarInUse, TheMinimiseButtonMinimisesTheKeyboardAndLeavesTheFocusInNotepad)
{
    ASSERT_TRUE(startSession(session));
    clickAt(centreOf(GetDlgItem(bar(), IDC_CAPTION_MINIMIZE)));
    EXPECT_TRUE(waitUntil([&] { return IsIconic(frame()); }, shortWait));
    EXPECT_TRUE(
        waitUntil([&] { return hasTheFocus(session.notepad.window, session.notepad.edit); }, shortWait));
    pressKey('X');
    session.typed += "x";
    EXPECT_TRUE(waitForText(session.notepad.edit, session.typed)) << "a hardware key types into notepad";
    // Restored from the taskbar, the keyboard is activated and hands the focus back.
    ShowWindow(frame(), SW_RESTORE);
    SetForegroundWindow(frame());
    ASSERT_TRUE(waitUntil([&] { return !IsIconic(frame()); }, shortWait));
    EXPECT_TRUE(typingGoesOn(session));
}

// A right click (or a pen's barrel button) never activates the keyboard, which would keep the focus.
TEST_F(CaptionBarInUse, ARightClickOnTheBarLeavesTheFocusInNotepad)
{
    ASSERT_TRUE(startSession(session));
    inject(rightClickAt(centreOf(GetDlgItem(bar(), IDC_CAPTION_TITLE))));
    pumpFor(500);
    EXPECT_NE(GetForegroundWindow(), frame());
    EXPECT_TRUE(typingGoesOn(session));
}

TEST_F(CaptionBarInUse, ASecondStartBringsTheMinimisedKeyboardBackAndTypingGoesOn)
{
    ASSERT_TRUE(startSession(session));
    clickAt(centreOf(GetDlgItem(bar(), IDC_CAPTION_MINIMIZE)));
    ASSERT_TRUE(waitUntil([&] { return IsIconic(frame()); }, shortWait));
    Program second('"' + tilfayPath() + '"');
    EXPECT_EQ(second.waitForExit(longWait), 0u);
    ASSERT_TRUE(waitUntil([&] { return !IsIconic(frame()); }, shortWait));
    EXPECT_TRUE(typingGoesOn(session));
}

TEST_F(CaptionBarInUse, DraggingTheBarMovesTheFrameWhichKeepsItsCornerThroughTheNextPlacement)
{
    ASSERT_TRUE(startSession(session));
    const RECT anchored = screenRectOf(frame());
    // By the title, which lets presses through to the bar, and then by the navy background beside it.
    const POINT byTitle = centreOf(GetDlgItem(bar(), IDC_CAPTION_TITLE));
    ASSERT_TRUE(drag(byTitle, POINT{byTitle.x - 200, byTitle.y - 150}));
    RECT moved{};
    EXPECT_TRUE(waitUntil(
        [&] {
            moved = screenRectOf(frame());
            return moved.left == anchored.left - 200 && moved.top == anchored.top - 150;
        },
        shortWait))
        << placeText(moved);
    EXPECT_TRUE(typingGoesOn(session)) << "the drag hands the focus back and the keys follow the frame";

    const RECT title = screenRectOf(GetDlgItem(bar(), IDC_CAPTION_TITLE));
    const POINT byBackground{title.right + 20, (title.top + title.bottom) / 2};
    ASSERT_TRUE(drag(byBackground, POINT{byBackground.x + 50, byBackground.y + 30}));
    EXPECT_TRUE(waitUntil(
        [&] {
            moved = screenRectOf(frame());
            return moved.left == anchored.left - 150 && moved.top == anchored.top - 120;
        },
        shortWait))
        << placeText(moved);
    EXPECT_TRUE(typingGoesOn(session));

    // Hiding the number pad places the frame again, narrower, with its bottom-right corner where it was.
    HWND dialog = openOptions(session.keyboard);
    ASSERT_NE(dialog, nullptr);
    clickControl(dialog, IDC_SHOW_NUMBERS);
    RECT placed{};
    EXPECT_TRUE(waitUntil(
        [&] {
            placed = screenRectOf(frame());
            return placed.right - placed.left < anchored.right - anchored.left &&
                   placed.right == moved.right && placed.bottom == moved.bottom;
        },
        shortWait))
        << placeText(placed);
    EXPECT_TRUE(typingGoesOn(session));
}

namespace {

RECT primaryWorkArea()
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

std::string savedPosition()
{
    return profileValue("Position X") + "," + profileValue("Position Y");
}

std::string cornerText(const RECT& r)
{
    return std::to_string(r.right) + "," + std::to_string(r.bottom);
}

} // namespace

// A person who keeps the keyboard on the left drags it there once: it stays through a size change and the
// next start. One saved off every monitor starts inside the work area; dragged back near the corner, it is
// anchored at the corner again.
TEST_F(CaptionBarInUse, TheKeyboardStaysWhereItWasDraggedAndComesBackToTheCornerWhenDroppedNearIt)
{
    ASSERT_TRUE(startSession(session));
    const RECT work = primaryWorkArea();
    const RECT anchored = screenRectOf(frame());
    ASSERT_EQ(cornerText(anchored), cornerText(work));
    const POINT byTitle = centreOf(GetDlgItem(bar(), IDC_CAPTION_TITLE));
    // Room is left for the larger size on the left of the frame.
    const int dx = work.left + 150 - anchored.left;
    ASSERT_TRUE(drag(byTitle, POINT{byTitle.x + dx, byTitle.y - 40}));
    const std::string left = std::to_string(anchored.right + dx) + "," + std::to_string(anchored.bottom - 40);
    EXPECT_TRUE(waitUntil([&] { return cornerText(screenRectOf(frame())) == left; }, shortWait))
        << cornerText(screenRectOf(frame()));
    EXPECT_TRUE(waitUntil([&] { return savedPosition() == left; }, shortWait))
        << "saved at once, not " << savedPosition();
    EXPECT_TRUE(typingGoesOn(session));

    HWND dialog = openOptions(session.keyboard);
    ASSERT_NE(dialog, nullptr);
    clickControl(dialog, IDC_LARGE_SIZE);
    RECT large{};
    EXPECT_TRUE(waitUntil(
        [&] {
            large = screenRectOf(frame());
            return IsWindowVisible(frame()) && large.right - large.left > anchored.right - anchored.left;
        },
        shortWait));
    EXPECT_EQ(cornerText(large), left) << "after a size change";
    EXPECT_TRUE(typingGoesOn(session));

    ASSERT_EQ(closeKeyboard(*session.keyboard.program, frame()), 0u);
    session.keyboard = startKeyboard();
    ASSERT_NE(frame(), nullptr);
    EXPECT_EQ(cornerText(screenRectOf(frame())), left) << "after a restart";

    ASSERT_EQ(closeKeyboard(*session.keyboard.program, frame()), 0u);
    writeSetting("Position X", "-20000");
    writeSetting("Position Y", "40000");
    session.keyboard = startKeyboard();
    ASSERT_NE(frame(), nullptr);
    const RECT rescued = screenRectOf(frame());
    focusByClick(session.notepad.edit);
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == session.notepad.window; }, shortWait));
    EXPECT_EQ(std::to_string(rescued.left) + "," + std::to_string(rescued.bottom),
              std::to_string(work.left) + "," + std::to_string(work.bottom))
        << "saved off every monitor, it starts at the work area's edge: " << placeText(rescued);

    // Dropped 10 pixels short of the corner.
    const POINT title = centreOf(GetDlgItem(bar(), IDC_CAPTION_TITLE));
    ASSERT_TRUE(drag(title, POINT{title.x + work.right - 10 - rescued.right,
                                  title.y + work.bottom - 10 - rescued.bottom}));
    EXPECT_TRUE(waitUntil([&] { return cornerText(screenRectOf(frame())) == cornerText(work); }, shortWait))
        << cornerText(screenRectOf(frame()));
    EXPECT_TRUE(waitUntil([&] { return savedPosition() == ","; }, shortWait))
        << "anchored again, not kept at " << savedPosition();
    dialog = openOptions(session.keyboard);
    ASSERT_NE(dialog, nullptr);
    clickControl(dialog, IDC_SHOW_NUMBERS);
    RECT compact{};
    EXPECT_TRUE(waitUntil(
        [&] {
            compact = screenRectOf(frame());
            return compact.right - compact.left < rescued.right - rescued.left;
        },
        shortWait));
    EXPECT_EQ(cornerText(compact), cornerText(work)) << "a placement follows the work area's corner";
    EXPECT_TRUE(typingGoesOn(session));
}
