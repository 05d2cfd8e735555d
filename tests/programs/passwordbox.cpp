// A window of another process with a password box of a class of its own ("SecretBox", Windows' edit control
// under another name, with ES_PASSWORD), whose text length stands in the window's title, "length N".
// Command line: x y width height.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int boxId = 1;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) == boxId && HIWORD(wParam) == EN_CHANGE) {
        char title[32];
        std::snprintf(title, sizeof title, "length %d", GetWindowTextLengthA(reinterpret_cast<HWND>(lParam)));
        SetWindowTextA(window, title);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    char* next = commandLine;
    const long x = std::strtol(next, &next, 10);
    const long y = std::strtol(next, &next, 10);
    const long width = std::strtol(next, &next, 10);
    const long height = std::strtol(next, &next, 10);

    WNDCLASSA secretBox{};
    GetClassInfoA(nullptr, "EDIT", &secretBox);
    secretBox.hInstance = instance;
    secretBox.lpszClassName = "SecretBox";
    RegisterClassA(&secretBox);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "PasswordBox";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "PasswordBox", "length 0", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width,
                                  height, nullptr, nullptr, instance, nullptr);
    HWND box = CreateWindowExA(0, "SecretBox", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_PASSWORD, 10, 10,
                               width - 40, 30, window, reinterpret_cast<HMENU>(boxId), instance, nullptr);
    SetFocus(box);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
