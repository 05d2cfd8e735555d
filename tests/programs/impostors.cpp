// Two windows that look half like a running keyboard: the class "Tilfay32" with another title, and the
// title "Tilfay" with another class.
#include <windows.h>

#include <initializer_list>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    for (const char* name : {"Tilfay32", "Impostor"}) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = name;
        RegisterClassA(&windowClass);
    }
    CreateWindowExA(0, "Tilfay32", "Not Tilfay", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                    nullptr, instance, nullptr);
    CreateWindowExA(0, "Impostor", "Tilfay", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 120, 200, 100, nullptr,
                    nullptr, instance, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
