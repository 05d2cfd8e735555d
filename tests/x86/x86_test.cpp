// The 32-bit keyboard and hook library, the build that ships, driven from outside as a user drives it. It
// runs emulated here and takes minutes to start, so each case starts it once and checks much in that run.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "keys/keytables.h"
#include "resources/resource.h"
#include "support/keyboardparts.h"
#include "support/session.h"
#include "support/settingsfile.h"

namespace {

// The emulated keyboard is slow to answer; a wait for what a tap does is bounded by this.
constexpr DWORD emulatedWait = 60000;
// Between taps that show nothing to wait for: the emulated keyboard keeps up with four taps a second.
constexpr DWORD tapPause = 300;
// Longer than the platform lets a thread go without fetching messages before it skips its hooks.
constexpr DWORD idlePause = 7000;
// The medium panel's lights.
constexpr int shiftLight = IDC_SHIFT_LIGHT_6;
constexpr int ctrlLight = IDC_CTRL_LIGHT_6;

// A copy of the keyboard under the given name in a directory of its own, with the hook library or none.
std::unique_ptr<Program> startCopy(const std::string& hookLibrary, const std::string& name = "Tilfay.exe")
{
    const std::string directory = makeTempDirectory();
    CopyFileA(tilfayPath().c_str(), (directory + "\\" + name).c_str(), FALSE);
    if (!hookLibrary.empty())
        copyInto(hookLibrary, directory);
    return std::make_unique<Program>('"' + directory + "\\" + name + '"', directory);
}

void expectRefusal(const Program& keyboard, const char* text, int code)
{
    ASSERT_TRUE(keyboard.started()) << text;
    HWND box = waitForMessageBox(keyboard.id(), "Tilfay Keyboard", startWait());
    ASSERT_NE(box, nullptr) << text;
    EXPECT_EQ(messageBoxText(box), text);
    EXPECT_NE(GetDlgItem(box, 1088), nullptr) << "the box shows an icon";
    pressMessageBoxOk(box);
    EXPECT_EQ(keyboard.waitForExit(emulatedWait), static_cast<DWORD>(code)) << text;
}

RECT workArea()
{
    RECT r{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

bool atTheCorner(HWND frame)
{
    const RECT r = screenRectOf(frame);
    const RECT area = workArea();
    return r.right == area.right && r.bottom == area.bottom;
}

bool lightShows(HWND panel, int light)
{
    return IsWindowVisible(GetDlgItem(panel, light));
}

DWORD caretOf(HWND edit)
{
    DWORD_PTR selection = 0;
    SendMessageTimeoutA(edit, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, shortWait, &selection);
    return LOWORD(selection);
}

class UserSession : public ::testing::Test {
protected:
    HWND panel()
    {
        return session.keyboard.panel = panelOf(session.keyboard.frame);
    }
    HWND edit() const
    {
        return session.notepad.edit;
    }

    // Taps the keys for the text one by one, each once the one before has arrived in notepad.
    ::testing::AssertionResult type(const std::string& text)
    {
        for (const char ch : text) {
            const bool capital = ch >= 'A' && ch <= 'Z';
            if (capital)
                if (auto tapped = tapUntil(shiftKey, [&] { return lightShows(panel(), shiftLight); });
                    !tapped)
                    return tapped;
            const std::string expected = ch == '\b'   ? session.typed.substr(0, session.typed.size() - 1)
                                         : ch == '\n' ? session.typed + "\r\n"
                                                      : session.typed + ch;
            const int key = keyForCharacter(capital ? static_cast<char>(ch - 'A' + 'a') : ch);
            if (auto tapped = tapUntil(key, [&] { return textOf(edit()) == expected; }); !tapped)
                return tapped;
            session.typed = expected;
        }
        return ::testing::AssertionSuccess();
    }

    // Under the emulator Wine's cursor can jump back to the X server's pointer between a tap's press and its
    // release, a move off the key that makes the tap a stroke; with the X pointer on the key a jump is no
    // move.
    void putXPointerOn(int key)
    {
        const POINT centre = centreOf(GetDlgItem(panel(), key));
        POINT now{};
        if (GetCursorPos(&now) && now.x == centre.x && now.y == centre.y)
            return;
        SetCursorPos(centre.x, centre.y);
        pumpFor(100);
    }

    ::testing::AssertionResult tapUntil(int key, const std::function<bool()>& done)
    {
        putXPointerOn(key);
        tapKey(panel(), key);
        if (!waitUntil(done, emulatedWait))
            return ::testing::AssertionFailure() << "key " << key << " did not take effect; notepad holds \""
                                                 << textOf(edit()) << "\", not \"" << session.typed << '"';
        return ::testing::AssertionSuccess();
    }

    void tap(int key)
    {
        putXPointerOn(key);
        tapKey(panel(), key);
        pumpFor(tapPause);
    }

    // Ctrl latched with "a" selects everything, and back deletes it.
    ::testing::AssertionResult clearNotepad()
    {
        tap(ctrlKey);
        tap(keyForCharacter('a'));
        session.typed.clear();
        return tapUntil(backKey, [&] { return textOf(edit()).empty(); });
    }

    ::testing::AssertionResult focusNotepad()
    {
        // A click on the title bar, so that the caret stays at the end of the text.
        const RECT window = screenRectOf(session.notepad.window);
        clickAt(POINT{window.left + 200, window.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2});
        if (!waitUntil([&] { return hasTheFocus(session.notepad.window, edit()); }, emulatedWait))
            return ::testing::AssertionFailure() << "notepad did not take the focus";
        return ::testing::AssertionSuccess();
    }

    Session session;
};

} // namespace

// One after another: emulated programs started together in one prefix were seen to vanish.
TEST(StartUp, AMissingOrPartialHookLibraryAndWindowsOlderThan350AreRefused)
{
    Program reg("reg.exe add \"HKCU\\Software\\Wine\\AppDefaults\\OldTilfay.exe\" /v Version /d win31 /f");
    ASSERT_EQ(reg.waitForExit(longWait), 0u);
    expectRefusal(*startCopy(""), "Cannot load Tilmhook32.dll", -101);
    expectRefusal(*startCopy(partialHookPath()), "Cannot load Tilmhook32.dll", -101);
    expectRefusal(*startCopy(binDirectory() + "\\Tilmhk32.dll", "OldTilfay.exe"),
                  "Requires Windows 3.5 or later", -100);
}

TEST_F(UserSession, OneKeyboardAtTheCornerTypesEveryKeyKindChangesSizeAndClosesWithItsSettings)
{
    deleteSettingsFile();
    ASSERT_TRUE(startSession(session));
    Program& keyboard = *session.keyboard.program;
    HWND frame = session.keyboard.frame;
    ASSERT_TRUE(keyboard.isWow64()) << "the keyboard under test is the 32-bit one";
    EXPECT_TRUE(atTheCorner(frame));
    EXPECT_TRUE(GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST);

    {
        SCOPED_TRACE("a second start");
        Program second('"' + tilfayPath() + '"');
        EXPECT_EQ(second.waitForExit(startWait()), 0u);
        EXPECT_TRUE(topLevelWindowsOf(second.id()).empty());
        EXPECT_TRUE(IsWindow(frame));
        parkXPointer();
        ASSERT_TRUE(focusNotepad());
    }
    {
        SCOPED_TRACE("the hook library under real clicks");
        ASSERT_TRUE(type("hi"));
        EXPECT_EQ(GetForegroundWindow(), session.notepad.window) << "a tap never activates the keyboard";
        HANDLE click = startXServerClickAt(centreOf(GetDlgItem(panel(), keyForCharacter('q'))), 200);
        EXPECT_TRUE(waitForText(edit(), session.typed + "q", emulatedWait)) << "a tap from the X server";
        WaitForSingleObject(click, emulatedWait);
        CloseHandle(click);
        session.typed += 'q';
        // The pointer rests on the key through the pause, so that the tap is the first input after it.
        putXPointerOn(keyForCharacter('x'));
        pumpFor(idlePause);
        EXPECT_TRUE(type("x")) << "the first tap after a pause";
        EXPECT_EQ(GetForegroundWindow(), session.notepad.window);
        Notepad other = startNotepad();
        SetWindowPos(other.window, nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
        focusByClick(other.edit);
        tapKey(panel(), keyForCharacter('o'));
        EXPECT_TRUE(waitForText(other.edit, "o", emulatedWait)) << "the focus change was reported";
        other.program->end();
        ASSERT_TRUE(focusNotepad());
        ASSERT_TRUE(type("k"));
    }
    {
        SCOPED_TRACE("a sentence with every punctuation key");
        ASSERT_TRUE(clearNotepad());
        ASSERT_TRUE(type("Tilfay types"));
        ASSERT_TRUE(tapUntil(rightSpaceKey, [&] { return textOf(edit()) == "Tilfay types "; }));
        session.typed += ' ';
        EXPECT_TRUE(type("all!?:;-,.&()'\"<>x\b\nok"));
    }
    {
        SCOPED_TRACE("the latches");
        ASSERT_TRUE(clearNotepad());
        EXPECT_TRUE(tapUntil(ctrlKey, [&] { return lightShows(panel(), ctrlLight); }));
        EXPECT_TRUE(tapUntil(ctrlKey, [&] { return !lightShows(panel(), ctrlLight); }))
            << "a second tap cancels";
        EXPECT_TRUE(type("Ab"));
        EXPECT_FALSE(lightShows(panel(), shiftLight)) << "shift latches for one letter";
        tap(capKey);
        EXPECT_TRUE(tapUntil(keyForCharacter('c'), [&] { return textOf(edit()) == "AbC"; }));
        EXPECT_TRUE(tapUntil(keyForCharacter('d'), [&] { return textOf(edit()) == "AbCD"; }));
        tap(shiftKey);
        EXPECT_TRUE(tapUntil(keyForCharacter('e'), [&] { return textOf(edit()) == "AbCDe"; }))
            << "shift with cap gives a small letter";
        tap(capKey);
        session.typed = "AbCDe";
        EXPECT_TRUE(type("f"));
    }
    {
        SCOPED_TRACE("num");
        ASSERT_TRUE(clearNotepad());
        ASSERT_TRUE(type("bc"));
        tap(numKey);
        EXPECT_TRUE(tapUntil(101, [&] { return caretOf(edit()) == 0; })) << "home on the navigation pad";
        tap(numKey);
        EXPECT_TRUE(tapUntil(101, [&] { return textOf(edit()) == "7bc"; })) << "7 on the digit pad";
        tap(numKey);
        EXPECT_TRUE(tapUntil(114, [&] { return caretOf(edit()) == 2; })) << "right on the navigation pad";
        tap(numKey);
        EXPECT_TRUE(tapUntil(delKey, [&] { return textOf(edit()) == "7b"; })) << "del";
        session.typed = "7b";
    }
    {
        SCOPED_TRACE("a stroke, its path taken from the 32-bit hook library");
        inject(strokeThrough(panel(), "the") + strokeRelease(panel(), "the"));
        session.typed += "the ";
        EXPECT_TRUE(waitForText(edit(), session.typed, emulatedWait)) << textOf(edit());
    }
    {
        SCOPED_TRACE("a size change through the options");
        HWND oldPanel = panel();
        const RECT oldPlace = screenRectOf(oldPanel);
        HWND dialog = openOptions(session.keyboard, emulatedWait);
        ASSERT_NE(dialog, nullptr) << "the menu key opens the options";
        clickControl(dialog, IDC_LARGE_SIZE);
        EXPECT_TRUE(waitUntil(
            [&] {
                return panel() != oldPanel && IsWindowVisible(frame) &&
                       hasTheFocus(session.notepad.window, edit());
            },
            emulatedWait))
            << "a new panel, and the focus back in notepad";
        EXPECT_FALSE(IsWindow(oldPanel));
        EXPECT_EQ(profileValue("Size"), "Large") << "saved at once";
        EXPECT_TRUE(atTheCorner(frame));
        EXPECT_GT(screenRectOf(panel()).right - screenRectOf(panel()).left, oldPlace.right - oldPlace.left);
        EXPECT_TRUE(type(" jumps"));
    }
    {
        SCOPED_TRACE("closing");
        PostMessageA(frame, WM_CLOSE, 0, 0);
        EXPECT_EQ(keyboard.waitForExit(emulatedWait), 0u);
        const auto entries = settingsEntries();
        EXPECT_EQ(entries.size(), 22u) << "every setting is written when the keyboard closes";
        EXPECT_NE(std::find(entries.begin(), entries.end(), SettingsEntry("Size", "Large")), entries.end());
    }
}
