// The overlay windows: plain coloured popups, layered and transparent so that the pointer goes through them.
#include "access/overlay.h"

#include <algorithm>
#include <array>

namespace {

constexpr const char* overlayClass = "TilfayOverlay";
constexpr DWORD overlayStyle =
    WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;

HWND fillBar;
// Four sides a frame, as many frames as the most rectangles shown at once.
std::vector<std::array<HWND, 4>> frames;

LRESULT CALLBACK overlayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
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
        wc.hbrBackground = GetSysColorBrush(COLOR_HIGHLIGHT);
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
    const bool shown = w > 2 * highlightWidth && h > 2 * highlightWidth;
    const int side = highlightWidth;
    place(frameSides[0], r.left, r.top, shown ? w : 0, side);
    place(frameSides[1], r.left, r.bottom - side, shown ? w : 0, side);
    place(frameSides[2], r.left, r.top, shown ? side : 0, h);
    place(frameSides[3], r.right - side, r.top, shown ? side : 0, h);
}

} // namespace

void showFillBar(const RECT& part, int percent)
{
    const int width = static_cast<int>(part.right - part.left) * std::clamp(percent, 0, 100) / 100;
    const int height = std::max(3, static_cast<int>(part.bottom - part.top) / 6);
    place(fillBar, part.left, part.bottom - height, width, height);
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
