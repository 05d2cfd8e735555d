// Tilmhk32.dll under real pointer input: presses on the keyboard window are swallowed and reported with
// their releases, focus changes in other processes are reported, and all other input is left alone.
#include <gtest/gtest.h>

#include "hooklib/tilmhk32.h"
#include "support/hooklibrary.h"
#include "support/pointerinput.h"
#include "support/winprocess.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace {

// The test's windows mirror the keyboard's: a topmost popup "frame" with a thin border, a strip across its
// top, and below it the keyboard window, wider than the frame so that the frame clips it, with a child
// control standing for a key.
constexpr RECT framePlace{500, 500, 800, 630};
constexpr int stripHeight = 10;
constexpr int panelWidth = 340;
constexpr int panelHeight = 100;
// The frame's client area is 298 pixels wide, so this is the panel's last visible column.
constexpr int panelVisibleRight = 297;
constexpr RECT keyPlace{100, 40, 140, 70};
// A window of another process beside the frame, over the part of the panel that the frame hides.
constexpr RECT besidePlace{800, 450, 1024, 700};
constexpr RECT notepadPlace{0, 0, 480, 400};
constexpr DWORD idlePause = 7000;
constexpr int burstClicks = 500;

const char* const recordingClass = "HookTestWindow";

// What reached the test's own windows, in order.
struct Seen {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Seen> seen;

bool isWatched(UINT message)
{
    switch (message) {
    case MSG_KEY_PRESS:
    case MSG_KEY_RELEASE:
    case MSG_FOCUS_CHANGE:
    case MSG_POINTER_ELSEWHERE:
    case MSG_HARDWARE_KEY:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_MOUSEACTIVATE:
    case WM_ACTIVATE: return true;
    default: return false;
    }
}

LRESULT CALLBACK recordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (isWatched(message))
        seen.push_back({window, message, wParam, lParam});
    return DefWindowProcA(window, message, wParam, lParam);
}

void registerRecordingClass()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = recordingWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    windowClass.lpszClassName = recordingClass;
    RegisterClassA(&windowClass);
}

HWND makeChild(HWND parent, int x, int y, int width, int height)
{
    return CreateWindowExA(0, recordingClass, "", WS_CHILD | WS_VISIBLE, x, y, width, height, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

int count(HWND window, UINT message)
{
    int n = 0;
    for (const Seen& s : seen)
        n += s.window == window && s.message == message;
    return n;
}

int countAnywhere(UINT message)
{
    int n = 0;
    for (const Seen& s : seen)
        n += s.message == message;
    return n;
}

std::vector<LPARAM> pressPositions(HWND panel)
{
    std::vector<LPARAM> positions;
    for (const Seen& s : seen)
        if (s.window == panel && s.message == MSG_KEY_PRESS)
            positions.push_back(s.lParam);
    return positions;
}

std::vector<HWND> focusReports(HWND panel)
{
    std::vector<HWND> windows;
    for (const Seen& s : seen)
        if (s.window == panel && s.message == MSG_FOCUS_CHANGE)
            windows.push_back(reinterpret_cast<HWND>(s.wParam));
    return windows;
}

HWND lastFocusReport(HWND panel)
{
    const std::vector<HWND> reports = focusReports(panel);
    return reports.empty() ? nullptr : reports.back();
}

HWND focusOfThreadOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

std::string placeArguments(const RECT& r)
{
    return std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' + std::to_string(r.right - r.left) +
           ' ' + std::to_string(r.bottom - r.top);
}

// A low-level hook set after the library's, and so called before it, that takes the next left release away
// from every hook after it, as a secure desktop coming up or a skipped hook would.
bool releaseStolen;

LRESULT CALLBACK stealNextRelease(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == WM_LBUTTONUP && !releaseStolen) {
        releaseStolen = true;
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The platform's answers when it will not set a hook.
HHOOK WINAPI refuseWindowsHook(int, HOOKPROC, HINSTANCE, DWORD)
{
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

HWINEVENTHOOK WINAPI refuseEventHook(DWORD, DWORD, HMODULE, WINEVENTPROC, DWORD, DWORD, DWORD)
{
    return nullptr;
}

// The library's calls that set and remove low-level hooks, by the hook's kind ("set 14", "unhook 14"), in
// order; the platform's own functions do the work. The hook thread makes them.
std::mutex hookCallsLock;
std::vector<std::string> hookCalls;
std::map<HHOOK, int> kindOfHook;
decltype(&SetWindowsHookExA) platformSetHook;
decltype(&UnhookWindowsHookEx) platformUnhook;

HHOOK WINAPI recordSetHook(int kind, HOOKPROC procedure, HINSTANCE module, DWORD thread)
{
    HHOOK set = platformSetHook(kind, procedure, module, thread);
    std::lock_guard<std::mutex> lock(hookCallsLock);
    hookCalls.push_back("set " + std::to_string(kind));
    kindOfHook[set] = kind;
    return set;
}

BOOL WINAPI recordUnhook(HHOOK hook)
{
    std::lock_guard<std::mutex> lock(hookCallsLock);
    hookCalls.push_back("unhook " + std::to_string(kindOfHook[hook]));
    return platformUnhook(hook);
}

std::vector<std::string> takeHookCalls()
{
    std::lock_guard<std::mutex> lock(hookCallsLock);
    return std::exchange(hookCalls, {});
}

// Our small program of another process: a topmost window that counts the clicks reaching it.
struct ClickTarget {
    explicit ClickTarget(const RECT& place)
        : program('"' + testsDirectory() + "\\clicktarget.exe\" " + placeArguments(place) + " topmost"),
          window(waitForWindow(program.id(), "ClickTarget", nullptr, longWait))
    {
        waitUntil([&] { return (edit = FindWindowExA(window, nullptr, "Edit", nullptr)) != nullptr; },
                  longWait);
    }
    // The title shows the counts, "down N up M".
    bool hasSeen(int downs, int ups) const
    {
        return windowText(window) == "down " + std::to_string(downs) + " up " + std::to_string(ups);
    }
    POINT clickArea() const
    {
        RECT r;
        GetWindowRect(window, &r);
        return {(r.left + r.right) / 2, r.bottom - 20};
    }

    Program program;
    HWND window;
    HWND edit = nullptr;
};

// Wine's notepad, moved clear of the other windows, holding the focus in its edit control.
struct Notepad {
    Notepad() : program("notepad.exe"), window(waitForWindow(program.id(), "Notepad", nullptr, longWait))
    {
        waitUntil([&] { return (edit = FindWindowExA(window, nullptr, "Edit", nullptr)) != nullptr; },
                  longWait);
        SetWindowPos(window, nullptr, notepadPlace.left, notepadPlace.top,
                     notepadPlace.right - notepadPlace.left, notepadPlace.bottom - notepadPlace.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    Program program;
    HWND window;
    HWND edit = nullptr;
};

class HookTest : public testing::Test {
protected:
    void SetUp() override
    {
        seen.clear();
        ASSERT_TRUE(library.load(binDirectory() + "\\Tilmhk32.dll"));
        registerRecordingClass();
        frame = CreateWindowExA(WS_EX_TOPMOST, recordingClass, "Keyboard", WS_POPUP | WS_BORDER,
                                framePlace.left, framePlace.top, framePlace.right - framePlace.left,
                                framePlace.bottom - framePlace.top, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        strip = makeChild(frame, 0, 0, panelWidth, stripHeight);
        makePanel();
        SetWindowPos(frame, HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(frame); }, shortWait));
        activateHook();
    }

    void TearDown() override
    {
        if (library.removeHook)
            library.removeHook();
        DestroyWindow(frame);
    }

    void makePanel()
    {
        panel = makeChild(frame, 0, stripHeight, panelWidth, panelHeight);
        key = makeChild(panel, keyPlace.left, keyPlace.top, keyPlace.right - keyPlace.left,
                        keyPlace.bottom - keyPlace.top);
    }

    // In the keyboard's order: asked, installed, aimed, enabled.
    void activateHook()
    {
        ASSERT_TRUE(library.canInstallHook());
        library.installHook();
        library.setMainWindow(frame);
        library.setKeyboardWindow(panel);
        library.enableHook();
    }

    POINT onPanel(int x, int y) const
    {
        RECT r;
        GetWindowRect(panel, &r);
        return {r.left + x, r.top + y};
    }

    // Clicks at a point of the panel and waits for the click's release to arrive somewhere.
    void clickPanelAt(int x, int y)
    {
        const int before = count(panel, MSG_KEY_RELEASE) + countAnywhere(WM_LBUTTONUP);
        inject(leftClickAt(onPanel(x, y)));
        EXPECT_TRUE(waitUntil(
            [&] { return count(panel, MSG_KEY_RELEASE) + countAnywhere(WM_LBUTTONUP) > before; }, shortWait));
    }

    // A click made by the X server: a user's tap reaches Wine this way, in the keyboard's own thread.
    void xServerClickPanelAt(int x, int y)
    {
        HANDLE clicker = startXServerClickAt(onPanel(x, y), 0);
        waitUntil([&] { return WaitForSingleObject(clicker, 0) == WAIT_OBJECT_0; }, longWait);
        CloseHandle(clicker);
    }

    bool swallowedAndReported(int x, int y)
    {
        const int before = count(panel, MSG_KEY_RELEASE);
        clickPanelAt(x, y);
        return count(panel, MSG_KEY_RELEASE) == before + 1 &&
               pressPositions(panel).back() == MAKELPARAM(x, y) && countAnywhere(WM_LBUTTONDOWN) == 0;
    }

    bool reachedThePanel(int x, int y)
    {
        const int before = count(panel, WM_LBUTTONDOWN);
        clickPanelAt(x, y);
        return count(panel, WM_LBUTTONDOWN) == before + 1 && countAnywhere(MSG_KEY_PRESS) == 0;
    }

    HookLibrary library;
    HWND frame = nullptr;
    HWND strip = nullptr;
    HWND panel = nullptr;
    HWND key = nullptr;
};

using SwallowedPresses = HookTest;
using UntouchedInput = HookTest;
using HookLifecycle = HookTest;
using FocusReports = HookTest;
using StripReports = HookTest;

// A key typed on the X server's keyboard, as a hardware key reaches Wine; xdotool ends before Wine has taken
// it, so the caller waits for what it expects.
void typeOnXServer(const char* key)
{
    Program(std::string("/usr/bin/xdotool key ") + key);
}

void typeInjected(WORD vk, ULONG_PTR mark)
{
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwExtraInfo = mark;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

} // namespace

TEST_F(SwallowedPresses, ArriveAsPressAndReleaseInPixelsFromThePanelsCornerCornersIncluded)
{
    const std::vector<POINT> points{
        {0, 0},   {panelVisibleRight, panelHeight - 1}, {0, panelHeight - 1}, {panelVisibleRight, 0},
        {57, 33}, {keyPlace.left + 5, keyPlace.top + 7}};
    std::vector<LPARAM> expected;
    for (const POINT& p : points) {
        clickPanelAt(p.x, p.y);
        expected.push_back(MAKELPARAM(p.x, p.y));
    }
    EXPECT_EQ(pressPositions(panel), expected);
    EXPECT_EQ(count(panel, MSG_KEY_RELEASE), static_cast<int>(points.size()));
    EXPECT_EQ(countAnywhere(WM_LBUTTONDOWN), 0) << "no window of the keyboard sees the button";
    EXPECT_EQ(countAnywhere(WM_LBUTTONUP), 0);
    EXPECT_EQ(countAnywhere(WM_MOUSEACTIVATE), 0);
}

TEST_F(SwallowedPresses, NeverActivateTheKeyboardNorTakeTheFocusFromTheApplication)
{
    Notepad notepad;
    ASSERT_NE(notepad.edit, nullptr);
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == notepad.window; }, longWait));
    ASSERT_EQ(focusOfThreadOf(notepad.window), notepad.edit);
    seen.clear();
    EXPECT_TRUE(swallowedAndReported(40, 40));
    EXPECT_TRUE(swallowedAndReported(keyPlace.left + 1, keyPlace.top + 1));
    xServerClickPanelAt(70, 80);
    const std::vector<LPARAM> expected{MAKELPARAM(40, 40), MAKELPARAM(keyPlace.left + 1, keyPlace.top + 1),
                                       MAKELPARAM(70, 80)};
    EXPECT_EQ(pressPositions(panel), expected);
    EXPECT_EQ(count(panel, MSG_KEY_RELEASE), 3);
    EXPECT_EQ(countAnywhere(WM_LBUTTONDOWN), 0);
    EXPECT_EQ(countAnywhere(WM_MOUSEACTIVATE), 0);
    EXPECT_EQ(countAnywhere(WM_ACTIVATE), 0);
    EXPECT_EQ(GetForegroundWindow(), notepad.window);
    EXPECT_EQ(focusOfThreadOf(notepad.window), notepad.edit);
}

TEST_F(SwallowedPresses, AWindowLyingOverThePanelTakesTheClick)
{
    const POINT corner = onPanel(150, 20);
    ClickTarget over(RECT{corner.x, corner.y, corner.x + 100, corner.y + 70});
    ASSERT_NE(over.window, nullptr);
    inject(leftClickAt(over.clickArea()));
    EXPECT_TRUE(waitUntil([&] { return over.hasSeen(1, 1); }, shortWait)) << windowText(over.window);
    EXPECT_TRUE(swallowedAndReported(40, 40)) << "beside the window lying over it, the panel is still hooked";
    EXPECT_EQ(pressPositions(panel), std::vector<LPARAM>{MAKELPARAM(40, 40)});
}

// The menu key opens a modal dialog between the press and its release, with the hook disabled. The
// release is still swallowed, so that the window under the pointer sees no button-up without a
// button-down, and the keyboard, which shows the key pressed until its release, hears of it at EnableHook.
TEST_F(SwallowedPresses, AReleaseAfterDisableIsSwallowedAndReportedAtEnable)
{
    inject(leftPressAt(onPanel(30, 30)));
    ASSERT_TRUE(waitUntil([&] { return count(panel, MSG_KEY_PRESS) == 1; }, shortWait));
    library.disableHook();
    inject(leftRelease());
    pumpFor(300);
    EXPECT_EQ(countAnywhere(WM_LBUTTONUP), 0);
    EXPECT_EQ(count(panel, MSG_KEY_RELEASE), 0) << "nothing is reported while disabled";
    library.enableHook();
    EXPECT_TRUE(waitUntil([&] { return count(panel, MSG_KEY_RELEASE) == 1; }, shortWait));
    EXPECT_TRUE(swallowedAndReported(31, 31));
}

TEST_F(SwallowedPresses, AReleaseThatNeverReachedTheHookLeavesTheNextClickElsewhereWhole)
{
    ClickTarget other(besidePlace);
    ASSERT_NE(other.window, nullptr);
    releaseStolen = false;
    HHOOK thief = SetWindowsHookExA(WH_MOUSE_LL, stealNextRelease, GetModuleHandleA(nullptr), 0);
    inject(leftPressAt(onPanel(30, 30)) + leftRelease());
    EXPECT_TRUE(waitUntil([&] { return releaseStolen && count(panel, MSG_KEY_PRESS) == 1; }, shortWait));
    UnhookWindowsHookEx(thief);
    inject(leftClickAt(other.clickArea()));
    EXPECT_TRUE(waitUntil([&] { return other.hasSeen(1, 1); }, shortWait)) << windowText(other.window);
    EXPECT_EQ(count(panel, MSG_KEY_RELEASE), 1) << "the keyboard hears that its key is no longer held";
}

TEST_F(SwallowedPresses, ABurstOf500ClicksGivesExactly500PressesAnd500ReleasesInOrder)
{
    Inputs burst;
    std::vector<LPARAM> expected;
    for (int i = 0; i < burstClicks; ++i) {
        const int x = 5 + i % 250;
        const int y = 5 + 20 * (i / 250);
        burst = burst + leftClickAt(onPanel(x, y));
        expected.push_back(MAKELPARAM(x, y));
    }
    inject(burst);
    ASSERT_TRUE(waitUntil([&] { return count(panel, MSG_KEY_RELEASE) == burstClicks; }, longWait))
        << count(panel, MSG_KEY_RELEASE) << " releases";
    pumpFor(200);
    EXPECT_EQ(pressPositions(panel), expected);
    UINT previous = MSG_KEY_RELEASE;
    int alternations = 0;
    for (const Seen& s : seen)
        if (s.message == MSG_KEY_PRESS || s.message == MSG_KEY_RELEASE)
            alternations += std::exchange(previous, s.message) != s.message;
    EXPECT_EQ(alternations, 2 * burstClicks) << "each press is followed by its release";
    EXPECT_EQ(countAnywhere(WM_LBUTTONDOWN), 0);
}

// Wine skips the low-level hook of a thread that has fetched no message for about 5 s, and a tap on the
// keyboard reaches Wine as an X event in the keyboard's own thread, which then does not count as waiting.
// Between taps the keyboard's thread waits in GetMessageA, as this one does here.
TEST_F(SwallowedPresses, AClickAfterSevenIdleSecondsIsStillSwallowed)
{
    const auto clickArrived = [&] { return count(panel, MSG_KEY_RELEASE) + count(panel, WM_LBUTTONUP) > 0; };
    HANDLE clicker = startXServerClickAt(onPanel(60, 60), idlePause);
    MSG msg;
    while (!clickArrived() && GetMessageA(&msg, nullptr, 0, 0) > 0 && !(msg.message == WM_NULL && !msg.hwnd))
        DispatchMessageA(&msg);
    WaitForSingleObject(clicker, longWait);
    CloseHandle(clicker);
    pumpFor(200);
    EXPECT_EQ(count(panel, WM_LBUTTONDOWN), 0) << "the click went past the hook to the panel";
    EXPECT_EQ(pressPositions(panel), std::vector<LPARAM>{MAKELPARAM(60, 60)});
    EXPECT_EQ(count(panel, MSG_KEY_RELEASE), 1);
}

TEST_F(UntouchedInput, AClickOnTheStripAboveThePanelReachesTheStrip)
{
    clickPanelAt(40, -1);
    EXPECT_EQ(count(strip, WM_LBUTTONDOWN), 1);
    EXPECT_EQ(count(strip, WM_LBUTTONUP), 1);
    EXPECT_EQ(countAnywhere(MSG_KEY_PRESS), 0);
    EXPECT_EQ(countAnywhere(MSG_KEY_RELEASE), 0);
}

TEST_F(UntouchedInput, AClickOnThePartOfThePanelThatTheFrameHidesReachesTheWindowThere)
{
    ClickTarget beside(besidePlace);
    ASSERT_NE(beside.window, nullptr);
    const POINT hidden = onPanel(panelVisibleRight + 20, 50);
    ASSERT_GT(hidden.x, besidePlace.left);
    inject(leftClickAt(hidden));
    EXPECT_TRUE(waitUntil([&] { return beside.hasSeen(1, 1); }, shortWait)) << windowText(beside.window);
    pumpFor(200);
    EXPECT_EQ(countAnywhere(MSG_KEY_PRESS), 0);
    EXPECT_EQ(countAnywhere(MSG_KEY_RELEASE), 0);
}

TEST_F(UntouchedInput, AClickOnAnotherProgramReachesIt)
{
    ClickTarget other(besidePlace);
    ASSERT_NE(other.window, nullptr);
    inject(leftClickAt(other.clickArea()));
    EXPECT_TRUE(waitUntil([&] { return other.hasSeen(1, 1); }, shortWait)) << windowText(other.window);
    pumpFor(200);
    EXPECT_EQ(countAnywhere(MSG_KEY_PRESS), 0);
}

TEST_F(UntouchedInput, TheRightButtonReachesThePanel)
{
    inject(rightClickAt(onPanel(40, 40)));
    EXPECT_TRUE(waitUntil([&] { return count(panel, WM_RBUTTONDOWN) == 1; }, shortWait));
    pumpFor(200);
    EXPECT_EQ(countAnywhere(MSG_KEY_PRESS), 0);
}

TEST_F(UntouchedInput, WhileDisabledClicksReachThePanelAndNothingIsReported)
{
    library.disableHook();
    EXPECT_TRUE(reachedThePanel(40, 40));
    EXPECT_EQ(count(panel, WM_LBUTTONUP), 1) << "a press that passed lets its release pass";
    EXPECT_EQ(countAnywhere(MSG_KEY_RELEASE), 0);
    library.enableHook();
    seen.clear();
    EXPECT_TRUE(swallowedAndReported(41, 41));
}

TEST_F(UntouchedInput, AfterSetKeyboardWindowZeroClicksReachThePanel)
{
    library.setKeyboardWindow(nullptr);
    EXPECT_TRUE(reachedThePanel(40, 40));
    library.setKeyboardWindow(panel);
    seen.clear();
    EXPECT_TRUE(swallowedAndReported(41, 41));
}

TEST_F(UntouchedInput, AfterSetMainWindowZeroClicksReachThePanel)
{
    library.setMainWindow(nullptr);
    EXPECT_TRUE(reachedThePanel(40, 40));
    library.setMainWindow(frame);
    seen.clear();
    EXPECT_TRUE(swallowedAndReported(41, 41));
}

TEST_F(HookLifecycle, CanInstallHookIsTrueOnlyWhileTheHookIsNotInstalled)
{
    EXPECT_FALSE(library.canInstallHook());
    library.removeHook();
    EXPECT_TRUE(library.canInstallHook());
    library.installHook();
    EXPECT_FALSE(library.canInstallHook());
}

TEST_F(HookLifecycle, AHookThatThePlatformWouldNotSetIsNotReportedAsSet)
{
    library.removeHook();
    const std::pair<const char*, void*> refusals[] = {
        {"SetWindowsHookExA", reinterpret_cast<void*>(refuseWindowsHook)},
        {"SetWinEventHook", reinterpret_cast<void*>(refuseEventHook)}};
    for (const auto& [function, refusal] : refusals) {
        void* platform = library.replaceImport(function, refusal);
        ASSERT_NE(platform, nullptr) << function;
        library.installHook();
        library.enableHook();
        EXPECT_TRUE(library.canInstallHook()) << function;
        EXPECT_TRUE(reachedThePanel(40, 40)) << function << ": no hook is left behind";
        library.replaceImport(function, platform);
    }
    library.renewHook();
    library.enableHook();
    EXPECT_FALSE(library.canInstallHook()) << "RenewHook sets the hooks that could not be set";
    seen.clear();
    EXPECT_TRUE(swallowedAndReported(41, 41));
}

TEST_F(HookLifecycle, RemoveHookRestoresNormalInput)
{
    library.removeHook();
    EXPECT_TRUE(reachedThePanel(40, 40));
    EXPECT_EQ(count(panel, WM_LBUTTONUP), 1);
}

// A size change: the hook goes, the panel is destroyed and replaced, the hook comes back for the new one.
TEST_F(HookLifecycle, InstallRemoveAndInstallAgainAsASizeChangeDoes)
{
    EXPECT_TRUE(swallowedAndReported(40, 40));
    library.removeHook();
    library.setMainWindow(nullptr);
    library.setKeyboardWindow(nullptr);
    DestroyWindow(panel);
    makePanel();
    seen.clear();
    activateHook();
    EXPECT_TRUE(swallowedAndReported(42, 43));
    EXPECT_EQ(pressPositions(panel), std::vector<LPARAM>{MAKELPARAM(42, 43)});
}

TEST_F(FocusReports, FocusMovingBetweenTwoProgramsIsReportedWithEachWindow)
{
    Notepad notepad;
    ASSERT_TRUE(waitUntil([&] { return lastFocusReport(panel) == notepad.edit; }, longWait));
    ClickTarget other(besidePlace);
    ASSERT_TRUE(waitUntil([&] { return lastFocusReport(panel) == other.edit; }, longWait));
    for (HWND edit : {notepad.edit, other.edit, notepad.edit}) {
        inject(leftClickAt(centreOf(edit)));
        EXPECT_TRUE(waitUntil([&] { return lastFocusReport(panel) == edit; }, shortWait));
    }
    pumpFor(200);
    const std::vector<HWND> expected{notepad.edit, other.edit, notepad.edit, other.edit, notepad.edit};
    EXPECT_EQ(focusReports(panel), expected);
}

TEST_F(FocusReports, FocusOnTheTestsOwnWindowsIsNeverReported)
{
    Notepad notepad;
    ASSERT_TRUE(waitUntil([&] { return lastFocusReport(panel) == notepad.edit; }, longWait));
    HWND own = CreateWindowExA(0, recordingClass, "Own", WS_POPUP | WS_BORDER | WS_VISIBLE, 0, 450, 300, 150,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND ownEdit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 30, own,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    seen.clear();
    inject(leftClickAt(centreOf(ownEdit)));
    EXPECT_TRUE(waitUntil([&] { return GetFocus() == ownEdit; }, shortWait));
    pumpFor(500);
    EXPECT_EQ(focusReports(panel), std::vector<HWND>{});
    DestroyWindow(own);
}

TEST_F(FocusReports, NothingIsReportedWhileDisabled)
{
    Notepad notepad;
    ASSERT_TRUE(waitUntil([&] { return lastFocusReport(panel) == notepad.edit; }, longWait));
    ClickTarget other(besidePlace);
    ASSERT_TRUE(waitUntil([&] { return lastFocusReport(panel) == other.edit; }, longWait));
    library.disableHook();
    seen.clear();
    inject(leftClickAt(centreOf(notepad.edit)));
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == notepad.window; }, shortWait));
    pumpFor(500);
    EXPECT_EQ(focusReports(panel), std::vector<HWND>{});
    library.enableHook();
    inject(leftClickAt(centreOf(other.edit)));
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == other.window; }, shortWait));
    inject(leftClickAt(centreOf(notepad.edit)));
    EXPECT_TRUE(waitUntil([&] { return lastFocusReport(panel) == notepad.edit; }, shortWait));
}

// The strip stands in the test's frame above the panel, as the suggestion strip does in the keyboard's.
TEST_F(StripReports, PressesOnTheStripArriveThereAndPressesElsewhereAreReported)
{
    library.setStripWindow(strip);
    inject(leftClickAt(onPanel(40, -5)));
    EXPECT_TRUE(waitUntil([&] { return count(strip, MSG_KEY_RELEASE) == 1; }, shortWait));
    ASSERT_EQ(count(strip, MSG_KEY_PRESS), 1);
    EXPECT_EQ(pressPositions(strip).back(), MAKELPARAM(40, stripHeight - 5)) << "from the strip's corner";
    EXPECT_EQ(countAnywhere(WM_LBUTTONDOWN), 0);
    EXPECT_TRUE(swallowedAndReported(40, 40));
    RECT place;
    GetWindowRect(frame, &place);
    inject(leftClickAt(POINT{place.left, place.top + 30}));
    pumpFor(300);
    EXPECT_EQ(count(strip, MSG_POINTER_ELSEWHERE), 0)
        << "presses on the keyboard, its border included, are not elsewhere";
    ClickTarget other(besidePlace);
    ASSERT_NE(other.window, nullptr);
    inject(leftClickAt(other.clickArea()));
    EXPECT_TRUE(waitUntil([&] { return other.hasSeen(1, 1); }, shortWait));
    EXPECT_TRUE(waitUntil([&] { return count(strip, MSG_POINTER_ELSEWHERE) == 1; }, shortWait));
    inject(rightClickAt(other.clickArea()));
    EXPECT_TRUE(waitUntil([&] { return count(strip, MSG_POINTER_ELSEWHERE) == 2; }, shortWait));
}

// The X server sends its keys to the window with the X focus: another program's, once clicked.
TEST_F(StripReports, HardwareKeysAreReportedOnlyWhileAStripIsSet)
{
    ClickTarget other(besidePlace);
    ASSERT_NE(other.window, nullptr);
    inject(leftClickAt(other.clickArea()));
    ASSERT_TRUE(waitUntil([&] { return other.hasSeen(1, 1); }, shortWait));
    typeOnXServer("q");
    pumpFor(500);
    library.setStripWindow(strip);
    typeInjected('W', ownKeystrokeMark);
    typeOnXServer("e");
    typeInjected('X', 0);
    EXPECT_TRUE(waitUntil([&] { return countAnywhere(MSG_HARDWARE_KEY) >= 2; }, shortWait));
    pumpFor(300);
    std::string reported;
    for (const Seen& s : seen)
        if (s.message == MSG_HARDWARE_KEY && s.window == strip)
            reported += static_cast<char>(s.wParam);
    std::sort(reported.begin(), reported.end());
    EXPECT_EQ(reported, "EX") << "the keyboard's own keystrokes are passed over, another program's reported";
    library.setStripWindow(nullptr);
    typeOnXServer("r");
    pumpFor(500);
    EXPECT_EQ(countAnywhere(MSG_HARDWARE_KEY), 2);
}

// Windows drops a low-level hook that once took too long, without a word; the keyboard then asks for its
// hooks afresh.
TEST_F(StripReports, DroppedHooksAreSetAgainEachBeforeItsOldOneGoes)
{
    ASSERT_NE(library.renewHook, nullptr);
    library.removeHook();
    platformSetHook = reinterpret_cast<decltype(&SetWindowsHookExA)>(
        library.replaceImport("SetWindowsHookExA", reinterpret_cast<void*>(recordSetHook)));
    platformUnhook = reinterpret_cast<decltype(&UnhookWindowsHookEx)>(
        library.replaceImport("UnhookWindowsHookEx", reinterpret_cast<void*>(recordUnhook)));
    ASSERT_TRUE(platformSetHook && platformUnhook);
    activateHook();
    library.setStripWindow(strip);
    ASSERT_TRUE(waitUntil(
        [] {
            std::lock_guard<std::mutex> lock(hookCallsLock);
            return kindOfHook.size() == 2;
        },
        shortWait));
    takeHookCalls();
    for (const auto& [dropped, kind] : kindOfHook)
        platformUnhook(dropped);
    EXPECT_TRUE(reachedThePanel(40, 40)) << "the platform dropped the hooks";
    library.renewHook();
    std::vector<std::string> calls;
    waitUntil(
        [&] {
            for (const std::string& call : takeHookCalls())
                calls.push_back(call);
            return calls.size() >= 4;
        },
        shortWait);
    const std::vector<std::string> expected{"set 14", "unhook 14", "set 13", "unhook 13"};
    EXPECT_EQ(calls, expected) << "the pointer hook and the hardware key hook";
    seen.clear();
    EXPECT_TRUE(swallowedAndReported(41, 41));
    ClickTarget other(besidePlace);
    ASSERT_NE(other.window, nullptr);
    inject(leftClickAt(other.clickArea()));
    ASSERT_TRUE(waitUntil([&] { return other.hasSeen(1, 1); }, shortWait));
    typeOnXServer("e");
    EXPECT_TRUE(waitUntil([&] { return count(strip, MSG_HARDWARE_KEY) == 1; }, shortWait));
    library.removeHook();
    library.replaceImport("SetWindowsHookExA", reinterpret_cast<void*>(platformSetHook));
    library.replaceImport("UnhookWindowsHookEx", reinterpret_cast<void*>(platformUnhook));
}
