// The suggestion strip: a child of the frame with four cells drawn like the keys. Presses come from the hook
// library as on the panel and never activate the keyboard; the library also tells it of presses elsewhere
// and of hardware keys, which end the word being typed.
#include "suggestions/strip.h"

#include "hook/hookbinding.h"
#include "hook/takenpresses.h"
#include "keys/keytables.h"
#include "look/faces.h"
#include "look/palette.h"
#include "state/appstate.h"
#include "state/message.h"
#include "state/pengestures.h"
#include "suggestions/typedword.h"
#include "suggestions/wordsource.h"
#include "words/folding.h"
#include "words/suggest.h"

namespace {

constexpr const wchar_t* stripClassName = L"TilfayStrip";
constexpr UINT_PTR saveTimer = 1;
// The counts are written at most once a minute, and when the strip goes.
constexpr UINT saveInterval = 60 * 1000;
constexpr int noCell = -1;

HWND strip;
int pressedCell = noCell;
// A save is due within the minute: the timer runs only while something learned is unsaved.
bool saveArmed;

RECT cellRect(const RECT& client, int cell)
{
    const int width = client.right - client.left;
    return RECT{width * cell / int(suggestionCells) + 1, 1, width * (cell + 1) / int(suggestionCells) - 1,
                client.bottom - 1};
}

std::wstring wide(const std::string& utf8)
{
    std::wstring text;
    for (char32_t c : decodeUtf8(utf8))
        text += static_cast<wchar_t>(c);
    return text;
}

void paintCell(HDC dc, const RECT& client, int cell, HFONT font)
{
    const std::wstring text = cellWord(cell);
    drawFace(dc, cellRect(client, cell), text.data(), int(text.size()), font,
             cell == pressedCell ? facePressed : 0, DT_NOPREFIX | DT_END_ELLIPSIS);
}

// In the font of the letter keys of the current size.
LRESULT paintStrip(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, lookBrushes().panel);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(app.keyHandles[firstLetterKey], WM_GETFONT, 0, 0));
    for (int cell = 0; cell < int(suggestionCells); ++cell)
        paintCell(dc, client, cell, font);
    EndPaint(window, &paint);
    return 0;
}

void showPressed(int cell)
{
    pressedCell = cell;
    InvalidateRect(strip, nullptr, FALSE);
}

// wParam: the time of the press's input event; lParam: x | (y << 16) from the strip's top-left corner.
LRESULT onStripPress(WPARAM pressTime, LPARAM lParam)
{
    if (!takeNewPress(static_cast<DWORD>(pressTime)))
        return 0;
    RECT client;
    GetClientRect(strip, &client);
    const int cell = client.right > 0 ? LOWORD(lParam) * int(suggestionCells) / client.right : noCell;
    SendMessageA(app.mainWindow, MSG_STRIP_TAPPED, 0, 0);
    if (cell < 0 || size_t(cell) >= offeredWords().size())
        return 0;
    showPressed(cell);
    if (IsWindow(app.targetWindow))
        chooseSuggestion(size_t(cell));
    else
        PostMessageA(app.mainWindow, MSG_NO_TARGET, 0, 0);
    return 0;
}

LRESULT onStripRelease()
{
    showPressed(noCell);
    return 0;
}

// Whichever of the low-level hooks the platform called first, the scan's switch is never typing elsewhere:
// the cells stay for the switch to choose.
LRESULT onTypingElsewhere(const Message& msg)
{
    if (!isScanSwitch(app.selectKeys, app.scanSwitch, msg.number, msg.wParam))
        forgetTypedWord();
    return 0;
}

LRESULT onSaveTimer(HWND window)
{
    KillTimer(window, saveTimer);
    saveArmed = false;
    saveLearnedWords(false);
    return 0;
}

LRESULT onStripDestroy(HWND window)
{
    KillTimer(window, saveTimer);
    saveArmed = false;
    forgetPenGestures(window);
    saveLearnedWords(true);
    strip = nullptr;
    return 0;
}

LRESULT CALLBACK stripProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Message msg{message, wParam, lParam};
    switch (message) {
    case WM_PAINT: return paintStrip(window);
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case MSG_KEY_PRESS: return onStripPress(msg.wParam, msg.lParam);
    case MSG_KEY_RELEASE: return onStripRelease();
    case MSG_POINTER_ELSEWHERE:
    case MSG_HARDWARE_KEY: return onTypingElsewhere(msg);
    case WM_TIMER: return onSaveTimer(window);
    case WM_DESTROY: return onStripDestroy(window);
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

void registerStripClass()
{
    WNDCLASSW stripClass{};
    stripClass.lpfnWndProc = stripProc;
    stripClass.hInstance = GetModuleHandleW(nullptr);
    stripClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    stripClass.lpszClassName = stripClassName;
    RegisterClassW(&stripClass);
}

void pressDirectly(const MSG& msg)
{
    RECT rect;
    GetWindowRect(strip, &rect);
    onStripPress(msg.time, MAKELPARAM(msg.pt.x - rect.left, msg.pt.y - rect.top));
    renewHook();
}

} // namespace

std::wstring cellWord(int cell)
{
    const auto& words = offeredWords();
    return size_t(cell) < words.size() ? wide(words[cell]) : L"";
}

HWND suggestionStrip()
{
    return strip;
}

bool isScanSwitch(SelectKeys way, ScanSwitch which, UINT message, WPARAM wParam)
{
    if (way != selectByScan)
        return false;
    switch (which) {
    case switchSpace: return message == MSG_HARDWARE_KEY && wParam == VK_SPACE;
    case switchEnter: return message == MSG_HARDWARE_KEY && wParam == VK_RETURN;
    default: return message == MSG_POINTER_ELSEWHERE && wParam == WM_LBUTTONDOWN;
    }
}

void saveLearnedSoon()
{
    if (strip && !saveArmed)
        saveArmed = SetTimer(strip, saveTimer, saveInterval, nullptr) != 0;
}

HWND createSuggestionStrip(HWND frame)
{
    if ((!app.wordSuggestions && !app.shapeWriting) || strip)
        return strip;
    static const bool registered = (registerStripClass(), true);
    (void)registered;
    const DWORD shown = app.wordSuggestions ? WS_VISIBLE : 0;
    strip = CreateWindowExW(0, stripClassName, L"", WS_CHILD | shown, 0, captionBarHeight, 0, 0, frame,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    turnOffPenGestures(strip);
    return strip;
}

// Its own style, whatever the frame's: the frame is laid out before it is shown.
bool stripShown()
{
    return strip && (GetWindowLongW(strip, GWL_STYLE) & WS_VISIBLE);
}

int stripHeight()
{
    RECT key;
    if (!stripShown() || !GetWindowRect(app.keyHandles[firstLetterKey], &key))
        return 0;
    return key.bottom - key.top;
}

// Painted at once, so that the words stand in the strip when the letter's keystroke has gone out.
void showSuggestions(const std::vector<std::string>& words)
{
    if (!strip)
        return;
    std::wstring text;
    for (const std::string& word : words)
        text += (text.empty() ? L"" : L"\t") + wide(word);
    SetWindowTextW(strip, text.c_str());
    InvalidateRect(strip, nullptr, FALSE);
    UpdateWindow(strip);
}

bool takeStripPress(const MSG& msg)
{
    if (!strip || msg.hwnd != strip)
        return false;
    switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: pressDirectly(msg); return true;
    case WM_LBUTTONUP: onStripRelease(); return true;
    default: return false;
    }
}
