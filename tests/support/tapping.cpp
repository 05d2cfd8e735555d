// Driving the real keyboard with real pointer input, and reading what arrives in notepad.
#include "support/tapping.h"

#include <cstring>

#include "keys/keytables.h"
#include "support/keyboard.h"

namespace {

// Right of notepad, above the keyboard.
constexpr RECT recorderPlace{560, 20, 900, 260};

} // namespace

RunningKeyboard startKeyboard(const std::string& path)
{
    RunningKeyboard keyboard;
    keyboard.program = std::make_unique<Program>('"' + path + '"', directoryOf(path));
    keyboard.frame = waitForFrame(*keyboard.program);
    keyboard.panel = keyboard.frame ? panelOf(keyboard.frame) : nullptr;
    return keyboard;
}

HWND panelOf(HWND frame)
{
    for (HWND child = FindWindowExA(frame, nullptr, "#32770", nullptr); child;
         child = FindWindowExA(frame, child, "#32770", nullptr))
        if (GetDlgItem(child, 11))
            return child;
    return nullptr;
}

RECT screenRectOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

void tapKey(HWND panel, int keyId)
{
    clickAt(centreOf(GetDlgItem(panel, keyId)));
    pumpFor(30);
}

void pressKeyDown(HWND panel, int keyId)
{
    inject(leftPressAt(centreOf(GetDlgItem(panel, keyId))));
}

void releaseKey()
{
    inject(leftRelease());
    pumpFor(30);
}

DWORD holdKey(HWND panel, int keyId, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    pressKeyDown(panel, keyId);
    pumpFor(milliseconds);
    releaseKey();
    return GetTickCount() - start;
}

Notepad startNotepad()
{
    Notepad notepad;
    notepad.program = std::make_unique<Program>("notepad.exe");
    notepad.window = waitForWindow(notepad.program->id(), "Notepad", nullptr, longWait);
    waitUntil(
        [&] { return (notepad.edit = FindWindowExA(notepad.window, nullptr, "Edit", nullptr)) != nullptr; },
        longWait);
    notepad.program->waitForInputIdle(longWait);
    return notepad;
}

std::string textOf(HWND edit)
{
    char text[4096] = "";
    SendMessageTimeoutA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        shortWait, nullptr);
    return text;
}

std::string settledText(HWND edit)
{
    std::string text = textOf(edit);
    std::string previous;
    const DWORD start = GetTickCount();
    do {
        previous = text;
        pumpFor(300);
        text = textOf(edit);
    } while (text != previous && GetTickCount() - start < longWait);
    return text;
}

void focusByClick(HWND edit)
{
    const RECT r = screenRectOf(edit);
    clickAt(POINT{r.left + 20, r.top + 20});
    pumpFor(50);
}

bool waitForText(HWND edit, const std::string& expected, DWORD timeoutMs)
{
    return waitUntil([&] { return textOf(edit) == expected; }, timeoutMs);
}

KeyRecorder startKeyRecorder(bool sleepsOnFocus)
{
    KeyRecorder recorder;
    recorder.journal = makeTempDirectory() + "\\journal.txt";
    recorder.program = std::make_unique<Program>('"' + testsDirectory() + "\\keyrecorder.exe\" " +
                                                 recorder.journal + (sleepsOnFocus ? " sleep" : ""));
    recorder.window = waitForWindow(recorder.program->id(), "KeyRecorder", nullptr, longWait);
    if (!recorder.window || !recorder.program->waitForInputIdle(longWait))
        recorder.window = nullptr;
    else
        SetWindowPos(recorder.window, nullptr, recorderPlace.left, recorderPlace.top,
                     recorderPlace.right - recorderPlace.left, recorderPlace.bottom - recorderPlace.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    return recorder;
}

void focusRecorderByClick(const KeyRecorder& recorder)
{
    clickAt(centreOf(recorder.window));
    pumpFor(50);
}

int keyForCharacter(char ch)
{
    if (ch >= 'a' && ch <= 'z')
        return firstLetterKey + static_cast<int>(strchr(letterLayout, ch - 'a' + 'A') - letterLayout);
    if (const char* punctuation = ch ? strchr(punctuationChars, ch) : nullptr)
        return firstPunctuationKey + static_cast<int>(punctuation - punctuationChars);
    switch (ch) {
    case ' ': return leftSpaceKey;
    case '\n': return enterKey;
    case '\b': return backKey;
    default: return 0;
    }
}

void typeOnKeyboard(HWND panel, const std::string& text)
{
    for (char ch : text) {
        if (ch >= 'A' && ch <= 'Z') {
            tapKey(panel, shiftKey);
            ch = static_cast<char>(ch - 'A' + 'a');
        }
        tapKey(panel, keyForCharacter(ch));
    }
}
