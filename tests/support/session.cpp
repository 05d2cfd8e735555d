// A user's session: notepad and the real keyboard, whether typing still works after a command, and a password
// box over notepad.
#include "support/session.h"

#include "support/keyboardparts.h"
#include "support/settingsfile.h"

namespace {

// The letters tapped one after another by typingGoesOn.
constexpr const char* nextLetters = "abcdefghijklmnopqrstuvwxyz";

} // namespace

::testing::AssertionResult startSession(Session& session, const std::string& settings)
{
    if (!settings.empty())
        writeSettingsFile(settings);
    session.notepad = startNotepad();
    if (!session.notepad.edit)
        return ::testing::AssertionFailure() << "notepad did not start";
    session.keyboard = startKeyboard();
    if (!session.keyboard.panel)
        return ::testing::AssertionFailure() << "the keyboard did not start";
    parkXPointer();
    focusByClick(session.notepad.edit);
    if (!waitUntil([&] { return GetForegroundWindow() == session.notepad.window; }, shortWait))
        return ::testing::AssertionFailure() << "notepad did not take the focus";
    return ::testing::AssertionSuccess();
}

void setKeyboardRepeat(UINT delay, UINT speed)
{
    SystemParametersInfoA(SPI_SETKEYBOARDDELAY, delay, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    SystemParametersInfoA(SPI_SETKEYBOARDSPEED, speed, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

void parkXPointer()
{
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, 0);
    // Time for Wine to take the X server's pointer events for the move.
    pumpFor(100);
}

::testing::AssertionResult typingGoesOn(Session& session)
{
    Notepad& notepad = session.notepad;
    if (!waitUntil([&] { return hasTheFocus(notepad.window, notepad.edit); }, shortWait))
        return ::testing::AssertionFailure() << "the focus is not in notepad: the active window is \""
                                             << windowText(GetForegroundWindow()) << "\"";
    session.keyboard.panel = panelOf(session.keyboard.frame);
    const char letter = nextLetters[session.typed.size() % 26];
    typeWithKeyboard(session, std::string(1, letter));
    if (!waitForText(notepad.edit, session.typed))
        return ::testing::AssertionFailure()
               << "notepad holds \"" << textOf(notepad.edit) << "\", not \"" << session.typed
               << "\"; the active window is \"" << windowText(GetForegroundWindow()) << "\"";
    return ::testing::AssertionSuccess();
}

void typeWithKeyboard(Session& session, const std::string& text)
{
    session.keyboard.panel = panelOf(session.keyboard.frame);
    typeOnKeyboard(session.keyboard.panel, text);
    session.typed += text;
}

PasswordBox clickIntoPasswordBox(const Notepad& notepad)
{
    const RECT edit = screenRectOf(notepad.edit);
    PasswordBox passwords;
    passwords.program = std::make_unique<Program>('"' + testsDirectory() + "\\passwordbox.exe\" " +
                                                  std::to_string(edit.left + 20) + " " +
                                                  std::to_string(edit.top + 20) + " 400 120");
    HWND window = waitForWindow(passwords.program->id(), "PasswordBox", nullptr, longWait);
    HWND box = nullptr;
    if (!window ||
        !waitUntil([&] { return (box = FindWindowExA(window, nullptr, "SecretBox", nullptr)) != nullptr; },
                   longWait))
        return passwords;
    parkXPointer();
    clickAt(centreOf(box));
    pumpFor(100);
    passwords.window = window;
    return passwords;
}
