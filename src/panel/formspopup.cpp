// The popup of forms: a window of the keyboard's own that is tapped without being activated. Presses on it
// are not over the panel, so the pointer hook lets them through to it as ordinary clicks; it answers
// MA_NOACTIVATE and takes the release itself, so no other window sees either.
#include "panel/formspopup.h"

#include <windowsx.h>

#include <algorithm>

#include "look/faces.h"
#include "look/palette.h"
#include "panel/fonts.h"
#include "typing/keystrokes.h"
#include "typing/keystate.h"
#include "state/appstate.h"
#include "state/message.h"
#include "state/pengestures.h"
#include "suggestions/typedword.h"

namespace {

constexpr const wchar_t* popupClass = L"TilfayForms";
constexpr DWORD popupExStyle = WS_EX_NOACTIVATE | WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
constexpr size_t mostInOneRow = 8;

struct FormsPopup {
    HWND window;
    HFONT font;
    // Also the window's title, which names the forms to screen readers.
    std::wstring forms;
    SIZE cell;
    int columns;
    // The cell under the pointer, drawn pressed; -1 for none.
    int lit;
};

FormsPopup popup{nullptr, nullptr, L"", {}, 1, -1};

RECT cellRect(int cell)
{
    const int x = cell % popup.columns * popup.cell.cx;
    const int y = cell / popup.columns * popup.cell.cy;
    return RECT{x, y, x + popup.cell.cx, y + popup.cell.cy};
}

int cellAt(POINT client)
{
    if (client.x < 0 || client.y < 0 || client.x >= popup.columns * popup.cell.cx)
        return -1;
    const int cell = client.y / popup.cell.cy * popup.columns + client.x / popup.cell.cx;
    return cell < static_cast<int>(popup.forms.size()) ? cell : -1;
}

LRESULT paintForms(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, lookBrushes().panel);
    for (int cell = 0; cell < static_cast<int>(popup.forms.size()); ++cell) {
        RECT r = cellRect(cell);
        InflateRect(&r, -1, -1);
        drawFace(dc, r, &popup.forms[cell], 1, popup.font, cell == popup.lit ? facePressed : 0, DT_NOPREFIX);
    }
    EndPaint(window, &paint);
    return 0;
}

POINT clientPoint(const Message& msg)
{
    return POINT{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
}

LRESULT lightCell(HWND window, int cell)
{
    if (cell != popup.lit)
        InvalidateRect(window, nullptr, FALSE);
    popup.lit = cell;
    return 0;
}

// Lights the cell under the pointer, also while a pen slides onto it from the held key.
LRESULT onFormsMouseMove(HWND window, const Message& msg)
{
    TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, window, 0};
    TrackMouseEvent(&leave);
    return lightCell(window, cellAt(clientPoint(msg)));
}

// The release comes here too, wherever the pointer has gone meanwhile.
LRESULT onFormsPress(HWND window)
{
    SetCapture(window);
    return 0;
}

LRESULT onFormsRelease(const Message& msg)
{
    ReleaseCapture();
    chooseForm(cellAt(clientPoint(msg)));
    return 0;
}

LRESULT CALLBACK formsPopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Message msg{message, wParam, lParam};
    switch (message) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_PAINT: return paintForms(window);
    case WM_MOUSEMOVE: return onFormsMouseMove(window, msg);
    case WM_MOUSELEAVE: return lightCell(window, -1);
    case WM_LBUTTONDOWN: return onFormsPress(window);
    case WM_LBUTTONUP: return onFormsRelease(msg);
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Unicode, so that the title keeps every form.
void registerPopupClass()
{
    WNDCLASSW windowClass{};
    if (GetClassInfoW(GetModuleHandleW(nullptr), popupClass, &windowClass))
        return;
    windowClass.lpfnWndProc = formsPopupProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = popupClass;
    RegisterClassW(&windowClass);
}

// The letter keys' font at its size and weight, in a TrueType face: the raster faces of the larger sizes
// ("System", "Helv") hold no letters beyond the ANSI code page, such as ł, ő or ș.
HFONT createFormsFont()
{
    LOGFONTA font{};
    GetObjectA(letterFont, sizeof font, &font);
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    lstrcpynA(font.lfFaceName, captionFace("Arial"), LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

POINT placeBesideKey(const RECT& key, SIZE size)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromRect(&key, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    LONG y = key.top - size.cy;
    if (y < work.top)
        y = key.bottom;
    const LONG x = (key.left + key.right - size.cx) / 2;
    return POINT{std::max(work.left, std::min(x, work.right - size.cx)),
                 std::max(work.top, std::min(y, work.bottom - size.cy))};
}

} // namespace

void openFormsPopup(int keyId, const std::wstring& forms)
{
    closeFormsPopup();
    registerPopupClass();
    RECT key{};
    GetWindowRect(app.keyHandles[keyId], &key);
    const int rows = forms.size() > mostInOneRow ? 2 : 1;
    popup.forms = forms;
    popup.font = createFormsFont();
    popup.cell = SIZE{key.right - key.left, key.bottom - key.top};
    popup.columns = (static_cast<int>(forms.size()) + rows - 1) / rows;
    const SIZE size{popup.columns * popup.cell.cx, rows * popup.cell.cy};
    const POINT place = placeBesideKey(key, size);
    popup.window =
        CreateWindowExW(popupExStyle, popupClass, forms.c_str(), WS_POPUP, place.x, place.y, size.cx, size.cy,
                        app.mainWindow, nullptr, GetModuleHandleW(nullptr), nullptr);
    turnOffPenGestures(popup.window);
    ShowWindow(popup.window, SW_SHOWNOACTIVATE);
}

void closeFormsPopup()
{
    if (popup.window) {
        forgetPenGestures(popup.window);
        DestroyWindow(popup.window);
    }
    if (popup.font)
        DeleteObject(popup.font);
    popup.window = nullptr;
    popup.font = nullptr;
    popup.lit = -1;
}

bool formsPopupAt(POINT screen)
{
    RECT place;
    return popup.window && GetWindowRect(popup.window, &place) && PtInRect(&place, screen);
}

std::vector<RECT> formCells()
{
    std::vector<RECT> cells;
    POINT origin{0, 0};
    if (!popup.window || !IsWindowVisible(popup.window) || !ClientToScreen(popup.window, &origin))
        return cells;
    for (int cell = 0; cell < static_cast<int>(popup.forms.size()); ++cell) {
        RECT r = cellRect(cell);
        OffsetRect(&r, origin.x, origin.y);
        cells.push_back(r);
    }
    return cells;
}

std::wstring formOfCell(int cell)
{
    return cell >= 0 && static_cast<size_t>(cell) < popup.forms.size() ? popup.forms.substr(cell, 1) : L"";
}

HFONT formsFont()
{
    return popup.font;
}

int formAt(POINT screen)
{
    if (!popup.window || !ScreenToClient(popup.window, &screen))
        return -1;
    return cellAt(screen);
}

// The chosen form counts as the keystroke: the one-shot latches end as after any key.
void chooseForm(int cell)
{
    const wchar_t form = cell > 0 && popup.window ? popup.forms[cell] : 0;
    closeFormsPopup();
    if (!form || !IsWindow(app.targetWindow))
        return;
    sendKeystroke(VK_BACK, false, false, false);
    sendUnicodeCharacter(form, false, false);
    replaceTypedLetter(form);
    clearOneShotLatches();
}
