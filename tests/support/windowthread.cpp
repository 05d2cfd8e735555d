// A second user-interface thread that runs actions on itself through a message-only window.
#include "support/windowthread.h"

#include "support/winprocess.h"

namespace {

constexpr UINT runAction = WM_APP;
constexpr UINT sleepNow = WM_APP + 1;

LRESULT CALLBACK messengerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case runAction: (*reinterpret_cast<const std::function<void()>*>(lParam))(); return 0;
    case sleepNow: Sleep(static_cast<DWORD>(wParam)); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

ATOM windowClass(const char* name, WNDPROC procedure)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass);
}

} // namespace

WindowThread::WindowThread()
{
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, main, this, 0, &id_);
    WaitForSingleObject(ready_, longWait);
}

WindowThread::~WindowThread()
{
    PostThreadMessageA(id_, WM_QUIT, 0, 0);
    waitUntil([&] { return WaitForSingleObject(thread_, 0) == WAIT_OBJECT_0; }, longWait);
    CloseHandle(thread_);
    CloseHandle(ready_);
}

DWORD WINAPI WindowThread::main(LPVOID parameter)
{
    auto* self = static_cast<WindowThread*>(parameter);
    static const ATOM messengerClass = windowClass("WindowThreadMessenger", messengerProc);
    self->messenger_ = CreateWindowExA(0, MAKEINTATOM(messengerClass), "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                       nullptr, GetModuleHandleA(nullptr), nullptr);
    SetEvent(self->ready_);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DestroyWindow(self->messenger_);
    return 0;
}

DWORD WindowThread::id() const
{
    return id_;
}

HWND WindowThread::createFocusedWindow()
{
    static const ATOM plainClass = windowClass("WindowThreadWindow", DefWindowProcA);
    HWND window = nullptr;
    run([&] {
        window = CreateWindowExA(0, MAKEINTATOM(plainClass), "Other thread", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 420, 550, 200, 120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetFocus(window);
    });
    return window;
}

void WindowThread::destroyWindow(HWND window)
{
    run([&] { DestroyWindow(window); });
}

HWND WindowThread::focus() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(id_, &info) ? info.hwndFocus : nullptr;
}

void WindowThread::stopAnswering(DWORD milliseconds) const
{
    PostMessageA(messenger_, sleepNow, milliseconds, 0);
}

// Sent, so that this thread keeps handling the messages that the other one sends it meanwhile.
void WindowThread::run(const std::function<void()>& action) const
{
    SendMessageTimeoutA(messenger_, runAction, 0, reinterpret_cast<LPARAM>(&action), SMTO_NORMAL, longWait,
                        nullptr);
}
