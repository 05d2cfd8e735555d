// The design that today's on-screen keyboards use, for the bench to measure against: a topmost window that is
// never activated (WS_EX_NOACTIVATE, and MA_NOACTIVATE to every press) and takes the press itself, with no
// hook. Its client area is 26 keys side by side, a to z; a press on one sends that letter's keystroke with
// keybd_event, as the keyboard does. Command line: x y width height.
#include <windows.h>

#include <cstdlib>

namespace {

constexpr int letters = 26;

void pressKeyAt(HWND window, int x)
{
    RECT client;
    GetClientRect(window, &client);
    const int key = x * letters / (client.right > 0 ? client.right : 1);
    const BYTE vk = static_cast<BYTE>('A' + (key < letters ? key : letters - 1));
    keybd_event(vk, 0, 0, 0);
    keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
}

LRESULT CALLBACK peerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_LBUTTONDOWN: pressKeyAt(window, static_cast<short>(LOWORD(lParam))); return 0;
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

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = peerProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "PeerKeyboard";
    RegisterClassA(&windowClass);
    CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "PeerKeyboard", "Peer",
                    WS_POPUP | WS_BORDER | WS_VISIBLE, x, y, width, height, nullptr, nullptr, instance,
                    nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
