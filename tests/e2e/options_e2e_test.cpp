// The options of the real keyboard beside notepad, opened with the menu key and used with real clicks:
// what each button does, that a setting is saved at once, and that typing goes on after every command.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "keys/keytables.h"
#include "resources/resource.h"
#include "support/guicounts.h"
#include "support/keyboardparts.h"
#include "support/keyinput.h"
#include "support/session.h"
#include "support/settingsfile.h"
#include "support/testframe.h"

namespace {

const char* const sizeNames[] = {"Tiny", "Small", "Medium", "Large", "Huge"};
const char* const sizeTemplates[] = {"Key_Tiny", "Key_Small", "Key_Medium", "Key_Large", "Key_Huge"};

constexpr int captionHeight = 10;
constexpr int leakCycles = 200;
// GDI objects that Wine's own caches may hold more or fewer of from one moment to the next.
constexpr int gdiNoise = 10;

std::string placeText(const RECT& r)
{
    return '(' + std::to_string(r.left) + ',' + std::to_string(r.top) + ") " +
           std::to_string(r.right - r.left) + 'x' + std::to_string(r.bottom - r.top);
}

// Where a window of the given size stands when its bottom-right corner is the screen's.
std::string anchoredPlace(int width, int height)
{
    const int right = GetSystemMetrics(SM_CXSCREEN);
    const int bottom = GetSystemMetrics(SM_CYSCREEN);
    return placeText(RECT{right - width, bottom - height, right, bottom});
}

// The panel's measures, taken from its windows as the screen shows them.
struct PanelMeasures {
    int fullWidth;
    int fullHeight;
    int compactWidth;
    int compactHeight;
};

PanelMeasures measuresOf(HWND panel)
{
    const RECT whole = screenRectOf(panel);
    return PanelMeasures{whole.right - whole.left, whole.bottom - whole.top,
                         screenRectOf(GetDlgItem(panel, firstPadKey)).left - whole.left + 2,
                         screenRectOf(GetDlgItem(panel, firstFunctionKey)).top - whole.top};
}

INT_PTR CALLBACK inertDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The pixel size of a panel template, built in this process from the same resources.
SIZE templateSize(const char* name)
{
    HWND parent = createTestFrame();
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), name, parent, inertDialogProc, 0);
    const RECT r = screenRectOf(dialog);
    DestroyWindow(parent);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

int childDialogCount(HWND frame)
{
    int count = 0;
    for (HWND child = FindWindowExA(frame, nullptr, "#32770", nullptr); child;
         child = FindWindowExA(frame, child, "#32770", nullptr))
        ++count;
    return count;
}

// Points the prefix's file association of web pages at our recording program, which stands in for the
// browser and writes the name of the page it was asked to open into the file whose name this returns.
std::string associatePagesWithRecorder()
{
    const std::string record = makeTempDirectory() + "\\opened.txt";
    const std::string command = '"' + testsDirectory() + "\\openrecorder.exe\" \"" + record + "\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, "TilfayTest.Page", 0);
    RegSetValueA(HKEY_CLASSES_ROOT, "TilfayTest.Page\\shell\\open\\command", REG_SZ, command.c_str(), 0);
    return record;
}

std::string fileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class Options : public ::testing::Test {
protected:
    HWND frame() const
    {
        return session.keyboard.frame;
    }
    DWORD keyboardId() const
    {
        return session.keyboard.program->id();
    }
    HWND panel()
    {
        return session.keyboard.panel = panelOf(frame());
    }
    std::string framePlace() const
    {
        return placeText(screenRectOf(frame()));
    }
    std::string label(HWND dialog, int id) const
    {
        return windowText(GetDlgItem(dialog, id));
    }

    HWND open()
    {
        panel();
        HWND dialog = openOptions(session.keyboard);
        EXPECT_NE(dialog, nullptr) << "the menu key opens the options";
        return dialog;
    }

    // Every command ends by handing the focus back to notepad.
    bool focusIsBack() const
    {
        return hasTheFocus(session.notepad.window, session.notepad.edit);
    }

    // A real click on the button, then time for the keyboard to carry the command out: the focus comes
    // back when it is done, also after a size change, which activates the frame as it shows it again.
    ::testing::AssertionResult click(
        HWND dialog, int button, const std::function<bool()>& done = [] { return true; })
    {
        clickControl(dialog, button);
        if (!waitUntil([&] { return !IsWindow(dialog); }, shortWait))
            return ::testing::AssertionFailure() << "the options stay open after a click on " << button;
        if (!waitUntil([&] { return done() && focusIsBack(); }, shortWait))
            return ::testing::AssertionFailure() << "the command of " << button << " did not end in notepad";
        waitUntilIdle(frame());
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult choose(
        int button, const std::function<bool()>& done = [] { return true; })
    {
        HWND dialog = open();
        if (!dialog)
            return ::testing::AssertionFailure() << "no options to choose " << button << " in";
        return click(dialog, button, done);
    }

    // Chooses the size and checks that a new panel and caption bar replaced the old ones.
    ::testing::AssertionResult changeSize(int size)
    {
        HWND oldPanel = panel();
        HWND oldBar = captionBarOf(frame());
        const auto rebuilt = [&] { return panelOf(frame()) != oldPanel && IsWindowVisible(frame()); };
        if (auto chosen = choose(IDC_TINY_SIZE + size - 1, rebuilt); !chosen)
            return chosen;
        if (IsWindow(oldPanel) || IsWindow(oldBar))
            return ::testing::AssertionFailure()
                   << "the old panel or caption bar is left after a size change";
        if (!panel() || !captionBarOf(frame()) || !IsWindowVisible(frame()))
            return ::testing::AssertionFailure() << "no shown keyboard after a size change";
        return ::testing::AssertionSuccess();
    }

    Session session;
};

} // namespace

TEST_F(Options, TheMenuKeyOpensThemCentredOnTheScreenWithTheDefaultLabels)
{
    ASSERT_TRUE(startSession(session));
    HWND dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), frame());
    const RECT r = screenRectOf(dialog);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);
    const std::vector<std::pair<int, const char*>> labels = {
        {IDC_TINY_SIZE, "Tiny Size"},
        {IDC_SMALL_SIZE, "Small Size"},
        {IDC_MEDIUM_SIZE, "Medium Size"},
        {IDC_LARGE_SIZE, "Large Size"},
        {IDC_FINGER_SIZE, "Finger Size"},
        {IDC_PAD_ORDER, "Phone Layout"},
        {IDC_MINIMIZE_KEYBOARD, "Minimize Keyboard"},
        {IDC_SHOW_NUMBERS, "Hide Numbers"},
        {IDC_SHOW_FUNCTION_KEYS, "Show Function Keys"},
        {IDC_CANCEL_OPTIONS, "Cancel"},
        {IDC_SHOW_HELP, "Help"},
        {IDC_CLOSE_KEYBOARD, "Close Keyboard"},
    };
    for (const auto& [id, text] : labels)
        EXPECT_EQ(label(dialog, id), text);
    for (int id = IDC_TINY_SIZE; id <= IDC_SHOW_HELP; ++id)
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, id))) << id;
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_CLOSE_KEYBOARD)))
        << "closing is not allowed by default";
    EXPECT_TRUE(click(dialog, IDC_CANCEL_OPTIONS));
    EXPECT_TRUE(typingGoesOn(session));
}

TEST_F(Options, LabelsAndStatesFollowTheSettingsFile)
{
    ASSERT_TRUE(startSession(session,
                             "[Tilfay]\r\nNumbers=N\r\nFunction keys=Y\r\nPhone=Y\r\nClosing allowed=N\r\n"));
    HWND dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(label(dialog, IDC_SHOW_NUMBERS), "Show Numbers");
    EXPECT_EQ(label(dialog, IDC_SHOW_FUNCTION_KEYS), "Hide Function Keys");
    EXPECT_EQ(label(dialog, IDC_PAD_ORDER), "Calculator Layout");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_PAD_ORDER)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_CLOSE_KEYBOARD)));
    EXPECT_TRUE(click(dialog, IDC_CANCEL_OPTIONS));
    EXPECT_TRUE(typingGoesOn(session));
}

TEST_F(Options, CancelChangesNothingAndSavesNothing)
{
    ASSERT_TRUE(startSession(session));
    const std::string before = framePlace();
    HWND oldPanel = panel();
    ASSERT_TRUE(choose(IDC_CANCEL_OPTIONS));
    EXPECT_EQ(framePlace(), before);
    EXPECT_EQ(panel(), oldPanel);
    EXPECT_FALSE(settingsFileExists());
    EXPECT_TRUE(typingGoesOn(session));
}

TEST_F(Options, ThePadOrderButtonIsDisabledWhileThePadNavigates)
{
    ASSERT_TRUE(startSession(session));
    tapKey(panel(), numKey);
    HWND dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_PAD_ORDER)));
    EXPECT_TRUE(click(dialog, IDC_CANCEL_OPTIONS));
    tapKey(panel(), numKey);
    EXPECT_TRUE(typingGoesOn(session));
}

TEST_F(Options, ThePadOrderButtonSwitchesToPhoneOrderAndBackAndSavesAtOnce)
{
    ASSERT_TRUE(startSession(session));
    ASSERT_TRUE(choose(IDC_PAD_ORDER));
    EXPECT_EQ(profileValue("Phone"), "Y");
    EXPECT_EQ(windowText(GetDlgItem(panel(), 101)), "1");
    tapKey(panel(), 101);
    session.typed += "1";
    EXPECT_TRUE(waitForText(session.notepad.edit, session.typed)) << textOf(session.notepad.edit);
    EXPECT_TRUE(typingGoesOn(session));

    HWND dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(label(dialog, IDC_PAD_ORDER), "Calculator Layout");
    ASSERT_TRUE(click(dialog, IDC_PAD_ORDER));
    EXPECT_EQ(profileValue("Phone"), "N");
    EXPECT_EQ(windowText(GetDlgItem(panel(), 101)), "7");
    tapKey(panel(), 101);
    session.typed += "7";
    EXPECT_TRUE(waitForText(session.notepad.edit, session.typed)) << textOf(session.notepad.edit);
    EXPECT_TRUE(typingGoesOn(session));
}

TEST_F(Options, HideNumbersNarrowsTheFrameAtTheCornerAndShowNumbersWidensIt)
{
    ASSERT_TRUE(startSession(session));
    const PanelMeasures panelSize = measuresOf(panel());
    ASSERT_TRUE(choose(IDC_SHOW_NUMBERS));
    EXPECT_EQ(framePlace(), anchoredPlace(panelSize.compactWidth, panelSize.compactHeight + captionHeight));
    EXPECT_EQ(profileValue("Numbers"), "N");
    EXPECT_TRUE(typingGoesOn(session));

    HWND dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(label(dialog, IDC_SHOW_NUMBERS), "Show Numbers");
    ASSERT_TRUE(click(dialog, IDC_SHOW_NUMBERS));
    EXPECT_EQ(framePlace(), anchoredPlace(panelSize.fullWidth, panelSize.compactHeight + captionHeight));
    EXPECT_EQ(profileValue("Numbers"), "Y");
    EXPECT_TRUE(typingGoesOn(session));
}

TEST_F(Options, ShowFunctionKeysHeightensTheFrameAtTheCornerAndHideFunctionKeysLowersIt)
{
    ASSERT_TRUE(startSession(session));
    const PanelMeasures panelSize = measuresOf(panel());
    ASSERT_TRUE(choose(IDC_SHOW_FUNCTION_KEYS));
    EXPECT_EQ(framePlace(), anchoredPlace(panelSize.fullWidth, panelSize.fullHeight + captionHeight));
    EXPECT_EQ(profileValue("Function keys"), "Y");
    EXPECT_TRUE(typingGoesOn(session));

    HWND dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(label(dialog, IDC_SHOW_FUNCTION_KEYS), "Hide Function Keys");
    ASSERT_TRUE(click(dialog, IDC_SHOW_FUNCTION_KEYS));
    EXPECT_EQ(framePlace(), anchoredPlace(panelSize.fullWidth, panelSize.compactHeight + captionHeight));
    EXPECT_EQ(profileValue("Function keys"), "N");
    EXPECT_TRUE(typingGoesOn(session));
}

TEST_F(Options, MinimizeKeyboardMinimisesItWithoutTakingTheFocus)
{
    ASSERT_TRUE(startSession(session));
    ASSERT_TRUE(choose(IDC_MINIMIZE_KEYBOARD, [&] { return IsIconic(frame()); }));
    EXPECT_TRUE(IsIconic(frame()));
    EXPECT_EQ(GetForegroundWindow(), session.notepad.window);
    EXPECT_EQ(focusOf(session.notepad.window), session.notepad.edit);
    pressKey('X');
    session.typed += "x";
    EXPECT_TRUE(waitForText(session.notepad.edit, session.typed))
        << "a hardware key still types into notepad";

    // A second start brings the minimised keyboard back.
    Program second('"' + tilfayPath() + '"');
    EXPECT_EQ(second.waitForExit(longWait), 0u);
    EXPECT_TRUE(waitUntil([&] { return !IsIconic(frame()); }, shortWait));
    // Restoring activates the frame; the user clicks back into notepad, on its title bar. (Under Wine a
    // click into the text, which takes the activation from the keyboard whose input is attached to
    // notepad's, left the character beside the caret selected, so the next letter replaced it.)
    const RECT notepadPlace = screenRectOf(session.notepad.window);
    clickAt(POINT{notepadPlace.left + 150, notepadPlace.top + 10});
    EXPECT_TRUE(typingGoesOn(session));
}

// No help file stands beside the program, as on Windows 10 and 11, which have no help viewer either: Help
// opens the user guide page beside the program with whatever the system opens web pages with.
TEST_F(Options, HelpOpensTheGuidePageWhenNoHelpFileStandsBesideTheProgram)
{
    const std::string record = associatePagesWithRecorder();
    ASSERT_TRUE(startSession(session));
    HWND dialog = open();
    ASSERT_NE(dialog, nullptr);
    clickControl(dialog, IDC_SHOW_HELP);
    EXPECT_TRUE(waitUntil([&] { return hasTheFocus(session.notepad.window, session.notepad.edit); }, 1000))
        << "the focus comes back at once, so that taps type on while the guide opens";
    std::string opened;
    waitUntil([&] { return !(opened = fileText(record)).empty(); }, longWait);
    EXPECT_EQ(opened, binDirectory() + "\\guide\\Tilfay.html");
    EXPECT_NE(GetFileAttributesA(opened.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the build puts the guide there";
    EXPECT_TRUE(typingGoesOn(session));
}

// The pen's press-and-hold and flicks are off on every window of the keyboard, whenever it is made.
TEST_F(Options, TheDialogAndAStripSwitchedOnInThemTakeNoPenGestures)
{
    ASSERT_TRUE(startSession(session));
    HWND dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(GetPropA(dialog, "MicrosoftTabletPenServiceProperty")), 0x10001u);
    HWND strip = nullptr;
    ASSERT_TRUE(click(dialog, IDC_WORD_SUGGESTIONS, [&] {
        return (strip = FindWindowExA(frame(), nullptr, "TilfayStrip", nullptr)) != nullptr;
    }));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(GetPropA(strip, "MicrosoftTabletPenServiceProperty")), 0x10001u);
}

TEST_F(Options, CloseKeyboardClosesItWhenTheSettingsFileAllowsClosing)
{
    ASSERT_TRUE(startSession(session, "[Tilfay]\r\nClosing allowed=Y\r\n"));
    HWND dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_CLOSE_KEYBOARD)));
    clickControl(dialog, IDC_CLOSE_KEYBOARD);
    EXPECT_EQ(session.keyboard.program->waitForExit(longWait), 0u);
    const auto entries = settingsEntries();
    EXPECT_EQ(entries.size(), 22u);
    EXPECT_EQ(profileValue("Closing allowed"), "Y");
}

TEST_F(Options, ADisabledCloseKeyboardDoesNothing)
{
    ASSERT_TRUE(startSession(session));
    HWND dialog = open();
    ASSERT_NE(dialog, nullptr);
    clickControl(dialog, IDC_CLOSE_KEYBOARD);
    pumpFor(300);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "a click on a disabled button does not end the dialog";
    ASSERT_TRUE(click(dialog, IDC_CANCEL_OPTIONS));
    EXPECT_EQ(session.keyboard.program->waitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(typingGoesOn(session));
}

TEST_F(Options, CloseKeyboardAsksTheSettingsFileAgainWhenChosen)
{
    ASSERT_TRUE(startSession(session, "[Tilfay]\r\nClosing allowed=Y\r\n"));
    HWND dialog = open();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_CLOSE_KEYBOARD)));
    writeSettingsFile("[Tilfay]\r\nClosing allowed=N\r\n");
    ASSERT_TRUE(click(dialog, IDC_CLOSE_KEYBOARD));
    EXPECT_EQ(session.keyboard.program->waitForExit(500), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(typingGoesOn(session));
}

class SizeChoice : public Options, public ::testing::WithParamInterface<int> {};

TEST_P(SizeChoice, BuildsAWorkingKeyboardOfThatSizeAtTheCorner)
{
    const int size = GetParam();
    // Built before the session starts, as its window would take the activation from notepad.
    const SIZE expected = templateSize(sizeTemplates[size - 1]);
    ASSERT_TRUE(startSession(session));
    ASSERT_TRUE(changeSize(size));
    EXPECT_EQ(profileValue("Size"), sizeNames[size - 1]) << "saved at once";
    EXPECT_EQ(childDialogCount(frame()), 2) << "one panel and one caption bar";
    const RECT panelPlace = screenRectOf(panel());
    EXPECT_EQ(panelPlace.right - panelPlace.left, expected.cx);
    EXPECT_EQ(panelPlace.bottom - panelPlace.top, expected.cy);
    POINT origin{0, 0};
    ClientToScreen(frame(), &origin);
    EXPECT_EQ(panelPlace.left, origin.x);
    EXPECT_EQ(panelPlace.top, origin.y + captionHeight);
    const PanelMeasures panelSize = measuresOf(panel());
    EXPECT_EQ(framePlace(), anchoredPlace(panelSize.fullWidth, panelSize.compactHeight + captionHeight));
    EXPECT_TRUE(GetWindowLongA(frame(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    typeWithKeyboard(session, "jumps over, lazy");
    EXPECT_TRUE(waitForText(session.notepad.edit, session.typed)) << textOf(session.notepad.edit);
    EXPECT_TRUE(typingGoesOn(session));
}

INSTANTIATE_TEST_SUITE_P(EachSize, SizeChoice, ::testing::Range(1, 6),
                         [](const ::testing::TestParamInfo<int>& info) { return sizeNames[info.param - 1]; });

// Wine answers GetGuiResources with 0; gdiObjectCount then reads the process's GDI handle table.
TEST_F(Options, TwoHundredSizeChangesByRealClicksLeakNothing)
{
    ASSERT_TRUE(startSession(session));
    // One round of the five sizes first, so that whatever the platform keeps after a first use is there.
    for (int size = 1; size <= 5; ++size)
        ASSERT_TRUE(changeSize(size));
    const int gdiBefore = gdiObjectCount(keyboardId());
    const int windowsBefore = windowCount(keyboardId());
    ASSERT_GT(gdiBefore, 0);
    std::vector<HWND> replaced;
    const DWORD start = GetTickCount();
    for (int cycle = 0; cycle < leakCycles; ++cycle) {
        replaced.push_back(panel());
        replaced.push_back(captionBarOf(frame()));
        ASSERT_TRUE(changeSize(cycle % 5 + 1)) << "change " << cycle;
    }
    const DWORD elapsed = GetTickCount() - start;
    const int gdiAfter = gdiObjectCount(keyboardId());
    const int windowsAfter = windowCount(keyboardId());
    std::cout << leakCycles << " size changes in " << elapsed << " ms (" << elapsed / leakCycles
              << " ms each); GDI objects " << gdiBefore << " -> " << gdiAfter << ", windows " << windowsBefore
              << " -> " << windowsAfter << std::endl;
    EXPECT_EQ(windowsAfter, windowsBefore);
    EXPECT_LE(gdiAfter, gdiBefore + gdiNoise);
    for (HWND old : replaced)
        EXPECT_FALSE(IsWindow(old));
    EXPECT_TRUE(typingGoesOn(session));
}
