// A target application that records every key message it receives, one line each, in the file named on
// its command line: "down 70", "up 70", "char 61 <performance counter>".
#include <windows.h>

#include <cstdio>

namespace {

FILE* journal;

void record(const char* kind, WPARAM code)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    fprintf(journal, "%s %02X %lld\n", kind, static_cast<unsigned>(code), static_cast<long long>(now.QuadPart));
    fflush(journal);
}

LRESULT CALLBACK recorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN: record("down", wParam); return 0;
    case WM_KEYUP: record("up", wParam); return 0;
    case WM_SYSKEYDOWN: record("sysdown", wParam); return 0;
    case WM_SYSKEYUP: record("sysup", wParam); return 0;
    case WM_CHAR: record("char", wParam); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    journal = fopen(commandLine, "w");
    if (!journal)
        return 1;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = recorderProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "KeyRecorder";
    RegisterClassA(&windowClass);
    CreateWindowExA(0, "KeyRecorder", "Key Recorder", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400, 300, nullptr,
                    nullptr, instance, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    fclose(journal);
    return 0;
}
