// A window of another process for the hook tests: an edit control that can take the focus at the top, and
// below it an area that counts the left-button presses and releases reaching it and shows the counts in the
// window's title, "down N up M". Command line: x y width height [topmost].
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int editHeight = 30;

int downs;
int ups;

void showCounts(HWND window)
{
    char title[64];
    std::snprintf(title, sizeof title, "down %d up %d", downs, ups);
    SetWindowTextA(window, title);
}

LRESULT CALLBACK targetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        ++downs;
        showCounts(window);
        return 0;
    case WM_LBUTTONUP:
        ++ups;
        showCounts(window);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    char* next = commandLine;
    const long x = std::strtol(next, &next, 10);
    const long y = std::strtol(next, &next, 10);
    const long width = std::strtol(next, &next, 10);
    const long height = std::strtol(next, &next, 10);
    const DWORD exStyle = std::strstr(next, "topmost") ? WS_EX_TOPMOST : 0;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = targetWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "ClickTarget";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(exStyle, "ClickTarget", "down 0 up 0", WS_POPUP | WS_BORDER | WS_VISIBLE, x,
                                  y, width, height, nullptr, nullptr, instance, nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, width - 2, editHeight,
                                window, nullptr, instance, nullptr);
    SetFocus(edit);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
