// The running keyboard's caption bar, options dialog, frame menu and strip, read from outside its process.
#include "support/keyboardparts.h"

#include <sstream>

#include "keys/keytables.h"
#include "resources/resource.h"

namespace {

// Menu borders are at most this wide.
constexpr int menuEdge = 3;
// A blank gap this high or higher ends an item; a mnemonic's underline lies closer below its text.
constexpr int itemGap = 4;

// The screen's pixels inside a rectangle, row by row.
std::vector<COLORREF> screenPixels(const RECT& r)
{
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> pixels(static_cast<std::size_t>(width) * height);
    const auto* words = static_cast<const DWORD*>(bits);
    for (std::size_t i = 0; bits && i < pixels.size(); ++i)
        pixels[i] = RGB((words[i] >> 16) & 0xFF, (words[i] >> 8) & 0xFF, words[i] & 0xFF);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

} // namespace

HWND captionBarOf(HWND frame)
{
    for (HWND child = FindWindowExA(frame, nullptr, "#32770", nullptr); child;
         child = FindWindowExA(frame, child, "#32770", nullptr))
        if (GetDlgItem(child, IDC_CAPTION_CLOSE))
            return child;
    return nullptr;
}

// A dialog exists before it is placed and shown; a click before it is active with the focus in it may be
// lost in its activation.
HWND shownDialog(HWND dialog, DWORD timeoutMs)
{
    const bool ready = dialog && waitUntil(
                                     [&] {
                                         return IsWindowVisible(dialog) && GetForegroundWindow() == dialog &&
                                                IsChild(dialog, focusOf(dialog));
                                     },
                                     timeoutMs);
    return ready ? dialog : nullptr;
}

HWND openOptions(const RunningKeyboard& keyboard, DWORD timeoutMs)
{
    tapKey(keyboard.panel, menuKey);
    return shownDialog(waitForWindow(keyboard.program->id(), "#32770", optionsTitle, timeoutMs), timeoutMs);
}

void clickControl(HWND dialog, int id)
{
    clickAt(centreOf(GetDlgItem(dialog, id)));
}

bool waitUntilIdle(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, longWait, &result) != 0;
}

HWND focusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

bool hasTheFocus(HWND topLevel, HWND control)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(topLevel, nullptr), &info) &&
           GetForegroundWindow() == topLevel && info.hwndActive == topLevel && info.hwndFocus == control &&
           !(info.flags & (GUI_INMOVESIZE | GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE));
}

HWND waitForFrameMenu(DWORD processId)
{
    HWND popup = nullptr;
    waitUntil(
        [&] {
            popup = waitForWindow(processId, "#32768", nullptr, 0);
            return popup && IsWindowVisible(popup);
        },
        shortWait);
    // Time for the menu to paint its items before they are read off the screen.
    pumpFor(100);
    return popup;
}

std::vector<MenuRow> menuRows(HWND popup)
{
    const RECT r = screenRectOf(popup);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const std::vector<COLORREF> pixels = screenPixels(r);
    const COLORREF background = GetSysColor(COLOR_MENU);
    const COLORREF text = GetSysColor(COLOR_MENUTEXT);
    std::vector<MenuRow> rows;
    int blankRows = itemGap;
    for (int y = menuEdge; y < height - menuEdge; ++y) {
        int inked = 0;
        bool hasText = false;
        for (int x = menuEdge; x < width - menuEdge; ++x) {
            const COLORREF colour = pixels[static_cast<std::size_t>(y) * width + x];
            inked += colour != background;
            hasText = hasText || colour == text;
        }
        const bool separator = inked > (width - 2 * menuEdge) * 3 / 4;
        if (inked == 0 || separator) {
            blankRows = separator ? itemGap : blankRows + 1;
            continue;
        }
        if (blankRows >= itemGap)
            rows.push_back(MenuRow{RECT{r.left, r.top + y, r.right, r.top + y}, true});
        blankRows = 0;
        rows.back().place.bottom = r.top + y + 1;
        rows.back().grayed = rows.back().grayed && !hasText;
    }
    return rows;
}

POINT centreOf(const MenuRow& row)
{
    return POINT{(row.place.left + row.place.right) / 2, (row.place.top + row.place.bottom) / 2};
}

std::vector<std::string> offeredIn(HWND strip)
{
    std::vector<std::string> words;
    std::istringstream cells(windowText(strip));
    for (std::string word; std::getline(cells, word, '\t');)
        words.push_back(word);
    return words;
}

POINT cellCentre(HWND strip, int cell)
{
    const RECT r = screenRectOf(strip);
    return POINT{r.left + (2 * cell + 1) * (r.right - r.left) / 8, (r.top + r.bottom) / 2};
}
