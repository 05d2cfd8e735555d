// Driving the real keyboard with real pointer input, and reading what arrives in notepad.
#include "support/tapping.h"

#include <cmath>
#include <cstring>

#include "keys/keytables.h"
#include "support/keyboard.h"

namespace {

// Right of notepad, above the keyboard.
constexpr RECT recorderPlace{560, 20, 900, 260};

// Where a stroke crosses each key, off its centre, and the pixels between its moves.
constexpr POINT strayings[] = {{3, -2}, {-4, 3}, {2, 4}, {-3, -3}, {4, 1}, {-2, -4}, {1, 3}, {-4, 2}};
constexpr int strokeStepPixels = 4;

POINT strokePoint(HWND panel, const std::string& word, size_t i)
{
    const POINT centre = centreOf(GetDlgItem(panel, keyForCharacter(word[i])));
    const POINT stray = strayings[i % std::size(strayings)];
    return POINT{centre.x + stray.x, centre.y + stray.y};
}

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

Inputs strokeThrough(HWND panel, const std::string& word)
{
    Inputs inputs = leftPressAt(strokePoint(panel, word, 0));
    for (size_t i = 1; i < word.size(); ++i) {
        const POINT from = strokePoint(panel, word, i - 1);
        const POINT to = strokePoint(panel, word, i);
        const int steps =
            std::max(1, static_cast<int>(std::hypot(to.x - from.x, to.y - from.y)) / strokeStepPixels);
        for (int step = 1; step <= steps; ++step)
            inputs = inputs + moveTo(POINT{from.x + (to.x - from.x) * step / steps,
                                           from.y + (to.y - from.y) * step / steps});
    }
    return inputs;
}

Inputs strokeRelease(HWND panel, const std::string& word)
{
    return leftReleaseAt(strokePoint(panel, word, word.size() - 1));
}
