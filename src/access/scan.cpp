// The scanner: a message-only window of the keyboard's thread hears the switch and keeps the step timer,
// which runs only while a scan goes on over a keyboard that is shown.
#include "access/scan.h"

#include "access/overlay.h"
#include "access/parts.h"
#include "access/scangroups.h"
#include "access/scanorder.h"
#include "access/scanswitch.h"
#include "fade/fade.h"
#include "state/appstate.h"

namespace {

constexpr const char* scanClass = "TilfayScan";
constexpr UINT_PTR stepTimer = 1;

HWND scanner;
ScanState scan{ScanLevel::resting, 0, 0, 0};
// The key pressed by the switch, released with it.
bool holdingKey;
// The groups the last step found: a dialog or the forms popup opening or closing starts the scan again at
// the top of what is shown now.
size_t groupsSeen;

int itemsOf(const std::vector<ScanGroup>& groups, int group)
{
    return group < static_cast<int>(groups.size()) ? static_cast<int>(groups[group].size()) : 0;
}

bool keyboardShown()
{
    return IsWindowVisible(app.mainWindow) && !IsIconic(app.mainWindow);
}

void showScan(const std::vector<ScanGroup>& groups)
{
    if (scan.level == ScanLevel::resting || scan.group >= static_cast<int>(groups.size())) {
        KillTimer(scanner, stepTimer);
        showHighlight(RECT{});
        return;
    }
    const ScanGroup& group = groups[scan.group];
    if (scan.level == ScanLevel::items && scan.item < static_cast<int>(group.size()))
        showHighlight(group[scan.item].place);
    else
        showHighlights(placesOfGroup(group));
}

void pressItem(const std::vector<ScanGroup>& groups)
{
    if (scan.group >= static_cast<int>(groups.size()) || scan.item >= itemsOf(groups, scan.group))
        return;
    const ScanItem& item = groups[scan.group][scan.item];
    const POINT centre{(item.place.left + item.place.right) / 2, (item.place.top + item.place.bottom) / 2};
    holdingKey = item.target.kind == PartKind::key;
    pressPart(item.target, centre);
}

// A press on a keyboard that is minimised or hidden brings it back without taking the focus from the
// target, and presses nothing the person could not see.
void onSwitchDown()
{
    const bool shown = keyboardShown();
    if (pressesItem(scan, shown))
        pressItem(scanGroups());
    if (!shown)
        ShowWindow(app.mainWindow, SW_SHOWNOACTIVATE);
    const std::vector<ScanGroup> groups = scanGroups();
    scan = scanAfterPress(scan, static_cast<int>(groups.size()), shown);
    groupsSeen = groups.size();
    SetTimer(scanner, stepTimer, static_cast<UINT>(app.scanTime), nullptr);
    showScan(groups);
}

void onSwitchUp()
{
    if (holdingKey)
        releaseHoveredKey();
    holdingKey = false;
}

LRESULT onStep()
{
    const std::vector<ScanGroup> groups = scanGroups();
    const bool shown = keyboardShown();
    if (app.selectKeys != selectByScan)
        scan.level = ScanLevel::resting;
    if (groups.size() != groupsSeen && scan.level != ScanLevel::resting && shown)
        scan = scanAfterPress(ScanState{ScanLevel::resting, 0, 0, 0}, static_cast<int>(groups.size()), shown);
    else
        scan = nextScanStep(scan, static_cast<int>(groups.size()), itemsOf(groups, scan.group), shown);
    groupsSeen = groups.size();
    if (scan.level != ScanLevel::resting)
        showOpaque();
    showScan(groups);
    return 0;
}

LRESULT onSwitch(WPARAM down)
{
    followSwitch(down != 0);
    if (app.selectKeys != selectByScan)
        return 0;
    showOpaque();
    if (down)
        onSwitchDown();
    else
        onSwitchUp();
    return 0;
}

LRESULT CALLBACK scanProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case MSG_SCAN_SWITCH: return onSwitch(wParam);
    case WM_TIMER: return onStep();
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

void startScan()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = scanProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = scanClass;
    RegisterClassA(&wc);
    scanner = CreateWindowExA(0, scanClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    startScanSwitch(scanner);
}

void restScan()
{
    scan = ScanState{ScanLevel::resting, 0, 0, 0};
    if (scanner)
        showScan({});
}

void stopScan()
{
    stopScanSwitch();
    if (scanner)
        DestroyWindow(scanner);
    scanner = nullptr;
    scan = ScanState{ScanLevel::resting, 0, 0, 0};
}
