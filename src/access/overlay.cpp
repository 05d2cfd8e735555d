// The overlay windows: plain coloured popups, layered and transparent so that the pointer goes through them;
// they take their colours from the look each time they paint.
#include "access/overlay.h"

#include <algorithm>
#include <array>

#include "look/palette.h"

namespace {

constexpr const char* overlayClass = "TilfayOverlay";
constexpr DWORD overlayStyle =
    WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;
constexpr int highlightWidthAt96 = 4;

HWND fill;
// Four sides a frame, as many frames as the most rectangles shown at once.
std::vector<std::array<HWND, 4>> frames;
// The part being filled and what it shows, in the fill's own coordinates: its top lies above the fill.
RECT filledPart;
PartCaption fillCaption;

LRESULT paintOverlay(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, window == fill ? lookBrushes().fill : lookBrushes().highlight);
    if (window == fill && !fillCaption.text.empty()) {
        HGDIOBJ oldFont =
            SelectObject(dc, fillCaption.font ? fillCaption.font : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, lookColours().fillText);
        DrawTextW(dc, fillCaption.text.data(), static_cast<int>(fillCaption.text.size()), &filledPart,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_HIDEPREFIX);
        SelectObject(dc, oldFont);
    }
    EndPaint(window, &paint);
    return 0;
}

LRESULT CALLBACK overlayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return paintOverlay(window);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND makeOverlay()
{
    static bool registered;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = overlayProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = overlayClass;
        registered = RegisterClassA(&wc) != 0;
    }
    HWND window = CreateWindowExA(overlayStyle, overlayClass, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA);
    return window;
}

void place(HWND& window, int x, int y, int width, int height)
{
    if (!window)
        window = makeOverlay();
    if (width <= 0 || height <= 0) {
        ShowWindow(window, SW_HIDE);
        return;
    }
    SetWindowPos(window, HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void placeFrame(std::array<HWND, 4>& frameSides, const RECT& r)
{
    const int w = static_cast<int>(r.right - r.left);
    const int h = static_cast<int>(r.bottom - r.top);
    const int side = highlightWidth();
    const bool shown = w > 2 * side && h > 2 * side;
    place(frameSides[0], r.left, r.top, shown ? w : 0, side);
    place(frameSides[1], r.left, r.bottom - side, shown ? w : 0, side);
    place(frameSides[2], r.left, r.top, shown ? side : 0, h);
    place(frameSides[3], r.right - side, r.top, shown ? side : 0, h);
}

} // namespace

void showFill(const RECT& part, int percent, const PartCaption& caption)
{
    const int width = static_cast<int>(part.right - part.left);
    const int height = static_cast<int>(part.bottom - part.top) * std::clamp(percent, 0, 100) / 100;
    filledPart = RECT{0, height - static_cast<int>(part.bottom - part.top), width, height};
    fillCaption = caption;
    place(fill, part.left, part.bottom - height, width, height);
    if (height > 0)
        InvalidateRect(fill, nullptr, FALSE);
}

void showHighlights(const std::vector<RECT>& parts)
{
    if (frames.size() < parts.size())
        frames.resize(parts.size());
    for (size_t frame = 0; frame < frames.size(); ++frame)
        placeFrame(frames[frame], frame < parts.size() ? parts[frame] : RECT{});
}

void showHighlight(const RECT& part)
{
    showHighlights({part});
}

int highlightWidth()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return MulDiv(highlightWidthAt96, dpi, 96);
}
