// Start-up, the single-instance rule, fatal errors and closing, seen from outside the real program.
#include <gtest/gtest.h>

#include <vector>

#include "support/keyboard.h"
#include "support/tapping.h"
#include "support/winprocess.h"

namespace {

constexpr DWORD exitedWith(int code)
{
    return static_cast<DWORD>(code);
}

// Starts Tilfay.exe from a directory of its own, with the given hook library beside it or none.
std::string keyboardDirectoryWith(const std::string& hookLibrary)
{
    const std::string directory = makeTempDirectory();
    copyInto(tilfayPath(), directory);
    if (!hookLibrary.empty())
        copyInto(hookLibrary, directory);
    return directory;
}

void expectFatalError(const std::string& directory, const char* text, int code,
                      const std::string& currentDirectory = "")
{
    Program keyboard('"' + directory + "\\Tilfay.exe\"",
                     currentDirectory.empty() ? directory : currentDirectory);
    ASSERT_TRUE(keyboard.started());
    HWND box = waitForMessageBox(keyboard.id(), "Tilfay Keyboard", longWait);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(messageBoxText(box), text);
    EXPECT_EQ(GetDlgItem(box, 1088) != nullptr, true) << "the box shows an icon";
    pressMessageBoxOk(box);
    EXPECT_EQ(keyboard.waitForExit(longWait), exitedWith(code));
}

void setWindowsVersionFor(const char* program, const char* version)
{
    const std::string command = std::string("reg.exe add \"HKCU\\Software\\Wine\\AppDefaults\\") + program +
                                "\" /v Version /d " + version + " /f";
    Program reg(command);
    ASSERT_EQ(reg.waitForExit(longWait), 0u);
}

} // namespace

TEST(Frame, IsATopmostPopupAnchoredAtTheScreensBottomRightCorner)
{
    Program keyboard('"' + tilfayPath() + '"');
    HWND frame = waitForFrame(keyboard);
    ASSERT_NE(frame, nullptr);
    const LONG style = GetWindowLongA(frame, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_BORDER | WS_SYSMENU), WS_POPUP | WS_BORDER | WS_SYSMENU);
    EXPECT_EQ(style & WS_CAPTION & ~WS_BORDER, 0);
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(frame); }, shortWait));
    EXPECT_TRUE(GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT r;
    GetWindowRect(frame, &r);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
    // A pen's tap arrives at once: no press-and-hold, no flicks, on the frame, the panel, the caption bar
    // and every key and button, since the platform looks at the window under the pen.
    std::vector<HWND> windows{frame};
    EnumChildWindows(
        frame,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    EXPECT_GT(windows.size(), 90u) << "the panel, the caption bar and their keys and buttons";
    for (HWND window : windows)
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(GetPropA(window, "MicrosoftTabletPenServiceProperty")),
                  0x10001u)
            << className(window) << " " << GetDlgCtrlID(window);
}

TEST(SingleInstance, ASecondStartExitsWithZeroAndCreatesNoWindow)
{
    Program first('"' + tilfayPath() + '"');
    HWND frame = waitForFrame(first);
    ASSERT_NE(frame, nullptr);
    Program second('"' + tilfayPath() + '"');
    EXPECT_EQ(second.waitForExit(longWait), 0u);
    EXPECT_TRUE(topLevelWindowsOf(second.id()).empty());
    EXPECT_TRUE(IsWindow(frame));
}

TEST(SingleInstance, ASecondStartRestoresAMinimisedFirstInstance)
{
    Program first('"' + tilfayPath() + '"');
    HWND frame = waitForFrame(first);
    ASSERT_NE(frame, nullptr);
    ShowWindow(frame, SW_MINIMIZE);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(frame); }, shortWait));
    Program second('"' + tilfayPath() + '"');
    EXPECT_EQ(second.waitForExit(longWait), 0u);
    EXPECT_TRUE(waitUntil([&] { return !IsIconic(frame); }, shortWait));
}

TEST(SingleInstance, AWindowWithOnlyTheClassOrOnlyTheTitleIsNotTakenForARunningKeyboard)
{
    Program impostors('"' + testsDirectory() + "\\impostors.exe\"");
    ASSERT_NE(waitForWindow(impostors.id(), "Tilfay32", "Not Tilfay", longWait), nullptr);
    ASSERT_NE(waitForWindow(impostors.id(), "Impostor", "Tilfay", longWait), nullptr);
    Program keyboard('"' + tilfayPath() + '"');
    EXPECT_NE(waitForFrame(keyboard), nullptr);
}

TEST(FatalErrors, AMissingHookLibraryIsReportedWithMinus101)
{
    expectFatalError(keyboardDirectoryWith(""), "Cannot load Tilmhook32.dll", -101);
}

TEST(FatalErrors, AHookLibraryMissingAnEntryPointIsReportedWithMinus101)
{
    expectFatalError(keyboardDirectoryWith(partialHookPath()), "Cannot load Tilmhook32.dll", -101);
}

// A search for the library would find the one planted in the current directory.
TEST(FatalErrors, AHookLibraryPlantedInTheCurrentDirectoryIsNeverLoaded)
{
    const std::string planted = makeTempDirectory();
    copyInto(partialHookPath(), planted);
    expectFatalError(keyboardDirectoryWith(""), "Cannot load Tilmhook32.dll", -101, planted);
    EXPECT_EQ(GetFileAttributesA((planted + "\\loaded").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(FatalErrors, WindowsOlderThan350IsRefusedWithMinus100)
{
    setWindowsVersionFor("Tilfay.exe", "win31");
    expectFatalError(keyboardDirectoryWith(binDirectory() + "\\Tilmhk32.dll"),
                     "Requires Windows 3.5 or later", -100);
}

TEST(FatalErrors, WindowsNt4IsAdmitted)
{
    setWindowsVersionFor("Tilfay.exe", "nt40");
    Program keyboard('"' + tilfayPath() + '"');
    EXPECT_NE(waitForFrame(keyboard), nullptr);
}

TEST(Closing, CloseMessageEndsTheProcessWithZero)
{
    Program keyboard('"' + tilfayPath() + '"');
    HWND frame = waitForFrame(keyboard);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(closeKeyboard(keyboard, frame), 0u);
}

// The close comes while the frame is still being built, before the hook library is loaded.
TEST(Closing, ACloseAtOnceAfterStartEndsTheProcessWithZeroAndNoBox)
{
    Program keyboard('"' + tilfayPath() + '"');
    HWND frame = waitForWindow(keyboard.id(), "Tilfay32", "Tilfay", longWait);
    ASSERT_NE(frame, nullptr);
    const bool libraryLoaded = keyboard.hasLoaded("Tilmhk32.dll");
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(keyboard.waitForExit(longWait), 0u) << "a box is shown or the keyboard still runs";
    EXPECT_FALSE(libraryLoaded) << "the close came too late to test a close during start-up";
}

TEST(Closing, TheFrameMenusCloseCommandEndsTheProcessWithZero)
{
    Program keyboard('"' + tilfayPath() + '"');
    HWND frame = waitForFrame(keyboard);
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, WM_COMMAND, SC_CLOSE, 0);
    EXPECT_EQ(keyboard.waitForExit(longWait), 0u);
}

TEST(Closing, TheFrameMenusMinimizeCommandMinimisesTheFrame)
{
    Program keyboard('"' + tilfayPath() + '"');
    HWND frame = waitForFrame(keyboard);
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, WM_COMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(waitUntil([&] { return IsIconic(frame); }, shortWait));
    EXPECT_TRUE(IsWindow(frame));
}
