// The trail: a layered popup over the panel, in the look's highlight colour and see-through elsewhere,
// which the pointer passes through to the keys.
#include "panel/trail.h"

#include <windows.h>

#include <algorithm>

#include "keys/keytables.h"
#include "look/palette.h"
#include "state/appstate.h"

namespace {

constexpr const char* trailClass = "TilfayTrail";
constexpr DWORD trailStyle =
    WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;
// The keys show through the trail.
constexpr BYTE trailOpacity = 192;

HWND trail;
std::vector<StrokePoint> shownPath;

// Any colour but the trail's own stands for "see-through".
COLORREF seeThroughColour()
{
    return lookColours().highlight == RGB(255, 0, 255) ? RGB(0, 255, 0) : RGB(255, 0, 255);
}

bool isOff(const StrokePoint& point)
{
    return point.x == offKeyboard || point.y == offKeyboard;
}

// A round pen a quarter of a key high, so that the trail is seen at every size.
void drawPath(HDC dc)
{
    RECT key{};
    GetWindowRect(app.keyHandles[firstLetterKey], &key);
    LOGBRUSH brush{BS_SOLID, lookColours().highlight, 0};
    const DWORD width = static_cast<DWORD>(std::max(3L, (key.bottom - key.top) / 4));
    HPEN pen =
        ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, width, &brush, 0, nullptr);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    std::vector<POINT> run;
    for (size_t i = 0; i <= shownPath.size(); ++i) {
        if (i < shownPath.size() && !isOff(shownPath[i])) {
            run.push_back(POINT{shownPath[i].x, shownPath[i].y});
            continue;
        }
        if (run.size() == 1)
            run.push_back(run.front());
        if (!run.empty())
            Polyline(dc, run.data(), static_cast<int>(run.size()));
        run.clear();
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

// Drawn off the screen first, so that the trail never flickers as it grows.
LRESULT paintTrail(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    SetBkColor(memory, seeThroughColour());
    ExtTextOutA(memory, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    drawPath(memory);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(window, &paint);
    return 0;
}

LRESULT CALLBACK trailProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return paintTrail(window);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Owned by the frame, so that it stands above it and goes with it.
HWND makeTrail()
{
    static const bool registered = [] {
        WNDCLASSA trailWindows{};
        trailWindows.lpfnWndProc = trailProc;
        trailWindows.hInstance = GetModuleHandleA(nullptr);
        trailWindows.lpszClassName = trailClass;
        return RegisterClassA(&trailWindows) != 0;
    }();
    if (!registered)
        return nullptr;
    return CreateWindowExA(trailStyle, trailClass, "", WS_POPUP, 0, 0, 1, 1, app.mainWindow, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

} // namespace

void showTrail(const std::vector<StrokePoint>& path)
{
    if (!IsWindow(trail))
        trail = makeTrail();
    if (!trail)
        return;
    shownPath = path;
    // The highlight colour may have changed since the last stroke.
    SetLayeredWindowAttributes(trail, seeThroughColour(), trailOpacity, LWA_COLORKEY | LWA_ALPHA);
    RECT panel{};
    GetWindowRect(app.keyboardPanel, &panel);
    SetWindowPos(trail, HWND_TOPMOST, panel.left, panel.top, visibleWidth(), visibleHeight(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(trail, nullptr, FALSE);
    UpdateWindow(trail);
}

void hideTrail()
{
    shownPath.clear();
    if (IsWindow(trail))
        ShowWindow(trail, SW_HIDE);
}
