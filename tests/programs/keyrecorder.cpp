// A target application that records every key message it receives, one line each, in the file named on
// its command line: "down 70/003B", "up 70/003B", "sysdown 12/0038", "char 61/001E", each with the
// performance counter. After the slash stands the scan code the message carries, an extended key's with
// E0 before it, as the platform writes them.
// With "sleep" after the file name it stops answering for a while once it has been clicked into and so has
// the focus, as a hung application does, and records "sleep 00" and "wake 00" around that.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr UINT_PTR sleepTimer = 1;
// Time for the keyboard to hear of the focus before the thread stops answering.
constexpr UINT sleepDelay = 500;
constexpr DWORD sleepTime = 10000;

FILE* journal;
HWND recordingArea;
bool sleepsOnFocus;

void record(const char* kind, WPARAM code, LPARAM keyData)
{
    constexpr LPARAM extendedBit = 1 << 24;
    const unsigned scanCode = ((keyData >> 16) & 0xFF) | ((keyData & extendedBit) ? 0xE000 : 0);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    fprintf(journal, "%s %02X/%04X %lld\n", kind, static_cast<unsigned>(code), scanCode,
            static_cast<long long>(now.QuadPart));
    fflush(journal);
}

LRESULT CALLBACK recordingAreaProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN: record("down", wParam, lParam); return 0;
    case WM_KEYUP: record("up", wParam, lParam); return 0;
    case WM_SYSKEYDOWN: record("sysdown", wParam, lParam); return 0;
    case WM_SYSKEYUP: record("sysup", wParam, lParam); return 0;
    case WM_CHAR: record("char", wParam, lParam); return 0;
    case WM_LBUTTONDOWN:
        if (sleepsOnFocus)
            SetTimer(window, sleepTimer, sleepDelay, nullptr);
        return 0;
    case WM_TIMER:
        KillTimer(window, sleepTimer);
        sleepsOnFocus = false;
        record("sleep", 0, 0);
        Sleep(sleepTime);
        record("wake", 0, 0);
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Under Wine a focus that comes from no window at all is announced to no focus watcher, and a window that
// takes the focus itself at its activation always gets it that way. Like most applications, the recorder
// passes the focus on to a child, which is announced.
LRESULT CALLBACK recorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFOCUS: SetFocus(recordingArea); return 0;
    case WM_SIZE: MoveWindow(recordingArea, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void registerClass(HINSTANCE instance, const char* name, WNDPROC procedure)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    char* sleepOption = strstr(commandLine, " sleep");
    sleepsOnFocus = sleepOption != nullptr;
    if (sleepOption)
        *sleepOption = 0;
    journal = fopen(commandLine, "w");
    if (!journal)
        return 1;
    registerClass(instance, "KeyRecorder", recorderProc);
    registerClass(instance, "KeyRecordingArea", recordingAreaProc);
    HWND recorder = CreateWindowExA(0, "KeyRecorder", "Key Recorder", WS_OVERLAPPEDWINDOW, 10, 10, 400, 300,
                                    nullptr, nullptr, instance, nullptr);
    recordingArea = CreateWindowExA(0, "KeyRecordingArea", "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300,
                                    recorder, nullptr, instance, nullptr);
    ShowWindow(recorder, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    fclose(journal);
    return 0;
}
