// The options dialog, run from its real template over a test frame; help; and the commands that show or hide
// the number pad and the function-key row.
#include <gtest/gtest.h>

#include "caption/bitmapcontrols.h"
#include "caption/captionbar.h"
#include "options/help.h"
#include "shell/optioncommands.h"
#include "options/optionsdialog.h"
#include "options/selection.h"
#include "resources/resource.h"
#include "state/appstate.h"
#include "shell/frame.h"
#include "support/modalloop.h"
#include "support/pointerinput.h"
#include "support/dialogtemplate.h"
#include "support/resourcereader.h"
#include "support/settingsfile.h"
#include "support/winprocess.h"

#include <functional>
#include <string>
#include <thread>

namespace {

constexpr const char* optionsTitle = "Tilfay Keyboard Options";

void registerFrameClass()
{
    WNDCLASSA frameClass{};
    frameClass.lpfnWndProc = DefWindowProcA;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.lpszClassName = "OptionsTestFrame";
    RegisterClassA(&frameClass);
}

void allowClosing(const char* value)
{
    writeSetting("Closing allowed", value);
}

std::string setting(const char* key)
{
    return profileValue(key);
}

std::string itemText(HWND dialog, int id)
{
    return windowText(GetDlgItem(dialog, id));
}

bool itemEnabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id));
}

class OptionsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerFrameClass();
        app = AppState{};
        app.fullWidth = 320;
        app.compactWidth = 240;
        app.fullHeight = 120;
        app.compactHeight = 90;
        app.showNumbers = 1;
        app.keySize = 3;
        measureScreen();
        frame = CreateWindowExA(WS_EX_TOPMOST, "OptionsTestFrame", "Tilfay",
                                WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU, 100, 100, 320, 130, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        app.mainWindow = frame;
        allowClosing("Y");
    }

    void TearDown() override
    {
        DestroyWindow(frame);
    }

    // Runs the dialog over the frame; once it is shown, `inspect` sees it and `act` ends it.
    int run(const std::function<void(HWND)>& inspect, const std::function<void(HWND)>& act)
    {
        int result = 0;
        const bool driven = driveModalLoop([&] { result = runOptionsDialog(frame); },
                                           [&] {
                                               HWND dialog = visibleThreadWindow("#32770", optionsTitle);
                                               if (!dialog)
                                                   return false;
                                               inspect(dialog);
                                               act(dialog);
                                               return true;
                                           },
                                           longWait);
        EXPECT_TRUE(driven) << "the dialog was shown and ended as asked";
        return result;
    }

    // Runs the dialog and clicks the button with the id.
    int runAndClick(const std::function<void(HWND)>& inspect, int id)
    {
        return run(inspect, [id](HWND dialog) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); });
    }

    HWND frame = nullptr;
};

struct Labels {
    std::string numbers, functionKeys, padOrder;
    bool closeEnabled, padOrderEnabled;
    std::string keyRepeat, suggestions;
};

} // namespace

TEST(OptionsTemplate, HoldsAPushButtonPerCommandInTemplateOrder)
{
    const DialogTemplate dialog = readDialogTemplate(GetModuleHandleA(nullptr), "Option_Dialog");
    ASSERT_TRUE(dialog.found);
    EXPECT_EQ(dialog.style, 0x90C00040u);
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.x, 25);
    EXPECT_EQ(dialog.y, 19);
    EXPECT_EQ(dialog.cx, 148);
    EXPECT_EQ(dialog.cy, 216);
    EXPECT_EQ(dialog.title, optionsTitle);
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.faceName, "System");
    EXPECT_EQ(nameOf(dialog.menu), "");
    EXPECT_EQ(nameOf(dialog.windowClass), "");
    struct Expected {
        int id;
        const char* text;
        int x, y;
    };
    const Expected expected[] = {
        {110, "Cancel", 75, 199},
        {101, "Tiny Size", 3, 3},
        {102, "Small Size", 3, 19},
        {103, "Medium Size", 3, 35},
        {104, "Large Size", 3, 51},
        {105, "Finger Size", 3, 67},
        {106, "Phone Layout", 75, 3},
        {107, "Minimize Keyboard", 75, 51},
        {108, "Show Numbers", 75, 19},
        {109, "Show Function Keys", 75, 35},
        {111, "Help", 3, 199},
        {112, "Close Keyboard", 75, 67},
        {113, "Key Repeat Off", 3, 87},
        {114, "Show Suggestions", 75, 87},
        {115, "Click Sound On", 3, 103},
        {116, "Fade When Idle", 75, 103},
        {117, "Hover Over Keys", 3, 119},
        {118, "Scan Through Keys", 75, 119},
        {119, "Slower", 3, 135},
        {120, "Faster", 75, 135},
        {121, "Switch: Enter", 3, 151},
        {122, "Forget Learned Words", 75, 151},
        {123, "System Colors", 3, 167},
        {124, "Shape Writing Off", 75, 167},
        {125, "Order: Rows", 3, 183},
    };
    ASSERT_EQ(dialog.items.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const DialogItem& item = dialog.items[i];
        EXPECT_EQ(item.id, expected[i].id) << i;
        EXPECT_EQ(nameOf(item.text), expected[i].text) << i;
        EXPECT_EQ(nameOf(item.windowClass), "BUTTON") << i;
        EXPECT_EQ(item.style, 0x50010000u) << i << ": a plain push button, never the default";
        EXPECT_EQ(item.exStyle, 0u) << i;
        EXPECT_EQ(item.x, expected[i].x) << i;
        EXPECT_EQ(item.y, expected[i].y) << i;
        EXPECT_EQ(item.cx, 70) << i;
        EXPECT_EQ(item.cy, 14) << i;
    }
}

TEST(OptionsCentring, TruncatesTowardZero)
{
    EXPECT_EQ(centredStart(1024, 300), 362);
    EXPECT_EQ(centredStart(1024, 301), 361);
    EXPECT_EQ(centredStart(100, 105), -2) << "a surplus of -5 gives -2";
    EXPECT_EQ(centredStart(100, 107), -3);
    EXPECT_EQ(centredStart(100, 100), 0);
}

TEST_F(OptionsDialog, IsCentredOnTheScreenWithItsTemplateSize)
{
    RECT r{};
    RECT client{};
    runAndClick(
        [&](HWND dialog) {
            GetWindowRect(dialog, &r);
            GetClientRect(dialog, &client);
        },
        IDC_CANCEL_OPTIONS);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
    // 148 x 216 dialog units in the 8-point "System" font, whose base units are whole pixels here.
    EXPECT_GT(client.right, 148);
    EXPECT_GT(client.bottom, 216);
}

TEST_F(OptionsDialog, LabelsAndEnabledStatesFollowTheSettings)
{
    for (int combination = 0; combination < 32; ++combination) {
        app.showNumbers = combination & 1;
        app.showFunctionKeys = combination >> 1 & 1;
        app.phoneLayout = combination >> 2 & 1;
        app.navModeMirror = combination >> 3 & 1;
        app.keyRepeat = combination & 1;
        app.wordSuggestions = combination >> 2 & 1;
        const bool closing = combination >> 4 & 1;
        allowClosing(closing ? "Y" : "N");
        SCOPED_TRACE("numbers " + std::to_string(app.showNumbers) + ", function keys " +
                     std::to_string(app.showFunctionKeys) + ", phone " + std::to_string(app.phoneLayout) +
                     ", navigation " + std::to_string(app.navModeMirror) + ", closing " +
                     std::to_string(closing));
        Labels seen{};
        runAndClick(
            [&](HWND dialog) {
                seen = Labels{itemText(dialog, IDC_SHOW_NUMBERS),    itemText(dialog, IDC_SHOW_FUNCTION_KEYS),
                              itemText(dialog, IDC_PAD_ORDER),       itemEnabled(dialog, IDC_CLOSE_KEYBOARD),
                              itemEnabled(dialog, IDC_PAD_ORDER),    itemText(dialog, IDC_KEY_REPEAT),
                              itemText(dialog, IDC_WORD_SUGGESTIONS)};
            },
            IDC_CANCEL_OPTIONS);
        EXPECT_EQ(seen.numbers, app.showNumbers ? "Hide Numbers" : "Show Numbers");
        EXPECT_EQ(seen.functionKeys, app.showFunctionKeys ? "Hide Function Keys" : "Show Function Keys");
        EXPECT_EQ(seen.padOrder, app.phoneLayout ? "Calculator Layout" : "Phone Layout");
        EXPECT_EQ(seen.closeEnabled, closing);
        EXPECT_EQ(seen.padOrderEnabled, !app.navModeMirror);
        EXPECT_EQ(seen.keyRepeat, app.keyRepeat ? "Key Repeat Off" : "Key Repeat On");
        EXPECT_EQ(seen.suggestions, app.wordSuggestions ? "Hide Suggestions" : "Show Suggestions");
        EXPECT_EQ(app.closingAllowed, closing) << "the file was read afresh";
    }
}

TEST_F(OptionsDialog, TheClickSoundFadeColorsAndShapeWritingLabelsNameWhatTheButtonWouldSwitchTo)
{
    for (int combination = 0; combination < 4; ++combination) {
        app.clickSound = combination & 1;
        app.fade = combination >> 1 & 1;
        app.colors = combination >> 1 & 1 ? colorsStandard : colorsSystem;
        app.shapeWriting = !(combination & 1);
        std::string sound, fade, colors, shapeWriting;
        runAndClick(
            [&](HWND dialog) {
                sound = itemText(dialog, IDC_CLICK_SOUND);
                fade = itemText(dialog, IDC_FADE);
                colors = itemText(dialog, IDC_COLORS);
                shapeWriting = itemText(dialog, IDC_SHAPE_WRITING);
            },
            IDC_CANCEL_OPTIONS);
        EXPECT_EQ(sound, app.clickSound ? "Click Sound Off" : "Click Sound On") << combination;
        EXPECT_EQ(fade, app.fade ? "Never Fade" : "Fade When Idle") << combination;
        EXPECT_EQ(colors, app.colors == colorsSystem ? "Standard Colors" : "System Colors") << combination;
        EXPECT_EQ(shapeWriting, app.shapeWriting ? "Shape Writing Off" : "Shape Writing On") << combination;
    }
}

TEST_F(OptionsDialog, OtherButtonsKeepTheirTemplateTexts)
{
    std::vector<std::string> texts;
    runAndClick(
        [&](HWND dialog) {
            for (int id : {101, 102, 103, 104, 105, 107, 110, 111, 112})
                texts.push_back(itemText(dialog, id));
        },
        IDC_CANCEL_OPTIONS);
    const std::vector<std::string> expected = {"Tiny Size",  "Small Size",  "Medium Size",
                                               "Large Size", "Finger Size", "Minimize Keyboard",
                                               "Cancel",     "Help",        "Close Keyboard"};
    EXPECT_EQ(texts, expected);
}

TEST_F(OptionsDialog, EveryClickEndsTheDialogWithTheButtonsId)
{
    for (int id = IDC_TINY_SIZE; id <= IDC_WORD_SUGGESTIONS; ++id)
        EXPECT_EQ(runAndClick([](HWND) {}, id), id);
}

TEST_F(OptionsDialog, ARealClickEndsTheDialogWithThatButtonsId)
{
    const int result =
        run([](HWND) {}, [](HWND dialog) { clickAt(centreOf(GetDlgItem(dialog, IDC_MEDIUM_SIZE))); });
    EXPECT_EQ(result, IDC_MEDIUM_SIZE);
}

TEST_F(OptionsDialog, EscapeEndsTheDialogWithThePlatformsCancelId)
{
    const int result = run([](HWND) {}, [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0); });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(OptionsDialog, NotificationsOtherThanAClickAreIgnored)
{
    bool stillShown = false;
    INT_PTR handled = -1;
    const int result = runAndClick(
        [&](HWND dialog) {
            const auto tiny = reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_TINY_SIZE));
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_TINY_SIZE, BN_DOUBLECLICKED), tiny);
            handled = optionsDialogProc(dialog, WM_COMMAND, MAKEWPARAM(IDC_TINY_SIZE, BN_SETFOCUS), tiny);
            pumpFor(50);
            stillShown = IsWindowVisible(dialog);
        },
        IDC_CANCEL_OPTIONS);
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(handled, 0);
    EXPECT_EQ(result, IDC_CANCEL_OPTIONS);
}

TEST_F(OptionsDialog, ColoursItsBackgroundButtonsAndStatics)
{
    HGDIOBJ background = nullptr;
    LOGBRUSH backgroundColour{};
    HGDIOBJ buttonBrush = nullptr;
    HGDIOBJ staticBrush = nullptr;
    int buttonMode = 0;
    COLORREF buttonBack = 0;
    int staticMode = 0;
    COLORREF staticText = 0;
    runAndClick(
        [&](HWND dialog) {
            HDC dc = CreateCompatibleDC(nullptr);
            const auto wParam = reinterpret_cast<WPARAM>(dc);
            background = reinterpret_cast<HGDIOBJ>(
                SendMessageA(dialog, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(dialog)));
            GetObjectA(background, sizeof backgroundColour, &backgroundColour);
            buttonBrush = reinterpret_cast<HGDIOBJ>(SendMessageA(
                dialog, WM_CTLCOLORBTN, wParam, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_TINY_SIZE))));
            buttonMode = GetBkMode(dc);
            buttonBack = GetBkColor(dc);
            SetBkMode(dc, OPAQUE);
            staticBrush = reinterpret_cast<HGDIOBJ>(SendMessageA(dialog, WM_CTLCOLORSTATIC, wParam, 0));
            staticMode = GetBkMode(dc);
            staticText = GetTextColor(dc);
            DeleteDC(dc);
        },
        IDC_CANCEL_OPTIONS);
    EXPECT_EQ(backgroundColour.lbColor, RGB(32, 0, 0));
    EXPECT_EQ(buttonBrush, GetStockObject(NULL_BRUSH));
    EXPECT_EQ(buttonMode, TRANSPARENT);
    EXPECT_EQ(buttonBack, RGB(232, 224, 224));
    EXPECT_EQ(staticBrush, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(staticMode, TRANSPARENT);
    EXPECT_EQ(staticText, RGB(0, 0, 96));
}

TEST(HelpFile, LiesInTheModulesDirectory)
{
    const char* name = "C:\\Program Files\\Tilfay\\TILFAY.EXE";
    EXPECT_EQ(fileBeside(name, lstrlenA(name), helpFileName), "C:\\Program Files\\Tilfay\\TILFAY.HLP");
    EXPECT_EQ(fileBeside("\\\\server\\share\\t.exe", 20, helpFileName), "\\\\server\\share\\TILFAY.HLP");
    EXPECT_EQ(fileBeside(name, lstrlenA(name), guidePageName),
              "C:\\Program Files\\Tilfay\\guide\\Tilfay.html");
}

TEST(HelpFile, FallsBackToTheDriveAndThenToTheBareName)
{
    EXPECT_EQ(fileBeside("C:TILFAY.EXE", 12, helpFileName), "C:TILFAY.HLP");
    EXPECT_EQ(fileBeside("TILFAY.EXE", 10, helpFileName), "TILFAY.HLP");
    EXPECT_EQ(fileBeside("C:\\a:b\\t.exe", 12, helpFileName), "C:\\a:b\\TILFAY.HLP")
        << "the last backslash wins";
}

TEST(HelpFile, ANameThatFilledTheBufferGivesTheBareName)
{
    const std::string cut = "C:\\" + std::string(moduleNameSize - 4, 'd') + "\\";
    ASSERT_EQ(cut.size(), moduleNameSize);
    EXPECT_EQ(fileBeside(cut.c_str(), moduleNameSize, helpFileName), "TILFAY.HLP");
    EXPECT_EQ(fileBeside("", 0, helpFileName), "TILFAY.HLP") << "no module name at all";
    const std::string longest = "C:\\" + std::string(moduleNameSize - 10, 'd') + "\\t.exe";
    ASSERT_EQ(longest.size(), moduleNameSize - 1u);
    EXPECT_EQ(fileBeside(longest.c_str(), moduleNameSize - 1, helpFileName),
              longest.substr(0, longest.size() - 5) + "TILFAY.HLP")
        << "the longest name that fits keeps its directory, and the help path may be longer";
}

// With a help file beside the program, WinHelp starts Wine's help viewer, which names the file it was given
// in a message box when it cannot read it (this one is empty).
TEST(Help, OpensAHelpFileBesideTheProgramWithWinHelpWhateverTheCurrentDirectory)
{
    const std::string helpFile = testsDirectory() + "\\TILFAY.HLP";
    CloseHandle(CreateFileA(helpFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(SetCurrentDirectoryA(makeTempDirectory().c_str()));
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    // The viewer may answer WinHelp only once its box is closed, so the call runs beside the test.
    std::thread asking([owner] { showHelp(owner); });
    HWND viewer = nullptr;
    waitUntil([&] { return (viewer = FindWindowA("MS_WINHELP", nullptr)) != nullptr; }, longWait);
    DWORD viewerId = 0;
    GetWindowThreadProcessId(viewer, &viewerId);
    ASSERT_NE(viewerId, 0u);
    std::string text;
    waitUntil(
        [&] {
            HWND box = waitForWindow(viewerId, "#32770", nullptr, 0);
            text = box ? messageBoxText(box) : "";
            return text.find("TILFAY.HLP") != std::string::npos;
        },
        longWait);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, viewerId);
    TerminateProcess(process, 0);
    WaitForSingleObject(process, shortWait);
    CloseHandle(process);
    asking.join();
    DestroyWindow(owner);
    DeleteFileA(helpFile.c_str());
    EXPECT_NE(text.find("`" + testsDirectory() + "\\TILFAY.HLP'"), std::string::npos) << text;
}

class SettingCommands : public OptionsDialog {
protected:
    void SetUp() override
    {
        OptionsDialog::SetUp();
        captureButtonClass();
        captureStaticClass();
        app.captionBar = createCaptionBar(frame);
    }

    std::string frameRect()
    {
        RECT r;
        GetWindowRect(frame, &r);
        return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
               "x" + std::to_string(r.bottom - r.top);
    }

    std::string anchored(int width, int height)
    {
        return std::to_string(app.workArea.right - width) + "," +
               std::to_string(app.workArea.bottom - height) + " " + std::to_string(width) + "x" +
               std::to_string(height);
    }
};

TEST_F(SettingCommands, ToggleNumbersResizesTheFrameAndSavesAtOnce)
{
    app.showNumbers = 1;
    toggleNumbers(frame);
    EXPECT_EQ(app.showNumbers, 0);
    EXPECT_EQ(frameRect(), anchored(app.compactWidth, app.compactHeight + 10));
    EXPECT_EQ(setting("Numbers"), "N");
    toggleNumbers(frame);
    EXPECT_EQ(app.showNumbers, 1);
    EXPECT_EQ(frameRect(), anchored(app.fullWidth, app.compactHeight + 10));
    EXPECT_EQ(setting("Numbers"), "Y");
    EXPECT_TRUE(GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(SettingCommands, ToggleFunctionKeysResizesTheFrameAndSavesAtOnce)
{
    app.showFunctionKeys = 0;
    toggleFunctionKeys(frame);
    EXPECT_EQ(app.showFunctionKeys, 1);
    EXPECT_EQ(frameRect(), anchored(app.fullWidth, app.fullHeight + 10));
    EXPECT_EQ(setting("Function keys"), "Y");
    toggleFunctionKeys(frame);
    EXPECT_EQ(app.showFunctionKeys, 0);
    EXPECT_EQ(frameRect(), anchored(app.fullWidth, app.compactHeight + 10));
    EXPECT_EQ(setting("Function keys"), "N");
}

// Under Wine each process has its own work area, so the test sets this process's, as a taskbar sets every
// process's, and hands the frame the notice that the platform then sends to every top-level window.
TEST_F(SettingCommands, TheFrameSitsAboveTheTaskbarAndFollowsItWhileAtItsCorner)
{
    const auto setWorkArea = [&](RECT area) {
        SystemParametersInfoA(SPI_SETWORKAREA, 0, &area, 0);
        frameWindowProc(frame, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    };
    const auto bottomRight = [&] {
        RECT r;
        GetWindowRect(frame, &r);
        return std::to_string(r.right) + "," + std::to_string(r.bottom);
    };
    const int w = app.screenWidth;
    const int h = app.screenHeight;
    RECT taskbarBelow{0, 0, w, h - 40};
    ASSERT_TRUE(SystemParametersInfoA(SPI_SETWORKAREA, 0, &taskbarBelow, 0));
    measureScreen();
    toggleNumbers(frame);
    EXPECT_EQ(bottomRight(), std::to_string(w) + "," + std::to_string(h - 40));
    setWorkArea(RECT{0, 0, w - 60, h});
    EXPECT_EQ(bottomRight(), std::to_string(w - 60) + "," + std::to_string(h)) << "the taskbar moved right";
    app.framePosition = Point{400, 300};
    setWorkArea(RECT{0, 0, w, h});
    EXPECT_EQ(bottomRight(), "400,300") << "a frame that the user left elsewhere stays there";
    setWorkArea(RECT{0, 0, w, 250});
    EXPECT_EQ(bottomRight(), "400,250") << "as far as the new area allows";
    app.framePosition = std::nullopt;
    setWorkArea(RECT{0, 0, w, h});
    EXPECT_EQ(bottomRight(), std::to_string(w) + "," + std::to_string(h)) << "one at the corner follows it";
}

TEST_F(SettingCommands, TogglesKeepTheRememberedCornerInsideTheWorkArea)
{
    app.framePosition = Point{700, 500};
    toggleNumbers(frame);
    EXPECT_EQ(frameRect(),
              std::to_string(700 - app.compactWidth) + "," + std::to_string(500 - app.compactHeight - 10) +
                  " " + std::to_string(app.compactWidth) + "x" + std::to_string(app.compactHeight + 10));
    toggleFunctionKeys(frame);
    EXPECT_EQ(frameRect(), std::to_string(700 - app.compactWidth) + "," +
                               std::to_string(500 - app.fullHeight - 10) + " " +
                               std::to_string(app.compactWidth) + "x" + std::to_string(app.fullHeight + 10));
    // Saved where no monitor is: the frame is kept wholly inside the work area of the nearest one.
    app.framePosition = Point{-5000, -3000};
    toggleNumbers(frame);
    EXPECT_EQ(frameRect().substr(0, frameRect().find(' ')),
              std::to_string(app.workArea.left) + "," + std::to_string(app.workArea.top));
}

TEST_F(SettingCommands, ToggleReanchorsAFrameMovedWithoutARememberedPlace)
{
    SetWindowPos(frame, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    toggleNumbers(frame);
    EXPECT_EQ(frameRect(), anchored(app.compactWidth, app.compactHeight + 10));
}

TEST_F(OptionsDialog, TheSelectionButtonsNameTheOtherWaysAndTheCurrentWaysTime)
{
    struct Case {
        SelectKeys way;
        int hoverTime, scanTime;
        ScanSwitch scanSwitch;
        ScanOrderSetting scanOrder;
        const char* labels;
    };
    const Case cases[] = {
        {selectByClick, 600, 800, switchSpace, scanPredictive,
         "Hover Over Keys|Scan Through Keys|Slower|Faster|0|Switch: Enter|Order: Rows"},
        {selectByHover, 600, 800, switchEnter, scanByRows,
         "Click On Keys|Scan Through Keys|Slower (0.6 s)|Faster (0.6 s)|1|Switch: Click|Order: Predictive"},
        {selectByScan, 600, 1250, switchClick, scanPredictive,
         "Click On Keys|Hover Over Keys|Slower (1.25 s)|Faster (1.25 s)|1|Switch: Space|Order: Rows"},
    };
    for (const Case& c : cases) {
        app.selectKeys = c.way;
        app.hoverTime = c.hoverTime;
        app.scanTime = c.scanTime;
        app.scanSwitch = c.scanSwitch;
        app.scanOrder = c.scanOrder;
        std::string seen;
        runAndClick(
            [&](HWND dialog) {
                for (int id : {IDC_SELECT_FIRST, IDC_SELECT_SECOND, IDC_SLOWER, IDC_FASTER})
                    seen += itemText(dialog, id) + "|";
                seen += std::to_string(itemEnabled(dialog, IDC_SLOWER)) + "|" +
                        itemText(dialog, IDC_SCAN_SWITCH) + "|" + itemText(dialog, IDC_SCAN_ORDER);
            },
            IDC_CANCEL_OPTIONS);
        EXPECT_EQ(seen, c.labels);
    }
}

TEST(SelectionTimes, StepBy100MillisecondsBelowASecondAnd250AboveWithinTheirRange)
{
    struct Case {
        int time, slower, faster;
        const char* label;
    };
    const Case cases[] = {
        {300, 400, 300, "Slower (0.3 s)"},    {900, 1000, 800, "Slower (0.9 s)"},
        {1000, 1250, 900, "Slower (1.0 s)"},  {1250, 1500, 1000, "Slower (1.25 s)"},
        {1100, 1350, 1000, "Slower (1.1 s)"}, {950, 1000, 850, "Slower (0.95 s)"},
        {5000, 5000, 4750, "Slower (5.0 s)"}, {4900, 5000, 4650, "Slower (4.9 s)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(slowerTime(c.time), c.slower) << c.time;
        EXPECT_EQ(fasterTime(c.time), c.faster) << c.time;
        EXPECT_EQ(timeLabel("Slower", c.time), c.label);
    }
}
