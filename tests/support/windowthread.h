// A second user-interface thread of the test's own, with top-level windows that can hold its focus: another
// application's thread, as far as input attachment is concerned.
#pragma once

#include <windows.h>

#include <functional>

class WindowThread {
public:
    WindowThread();
    // Ends the thread's message loop and waits for it; its windows go with it.
    ~WindowThread();
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    DWORD id() const;
    // A new visible top-level window of the thread, given the thread's focus.
    HWND createFocusedWindow();
    void destroyWindow(HWND window);
    // The window that holds the focus in the thread's input state, or 0.
    HWND focus() const;
    // The thread fetches no message for that long, as a hung application's does; returns at once.
    void stopAnswering(DWORD milliseconds) const;

private:
    // Runs the action on the thread and returns once it has.
    void run(const std::function<void()>& action) const;
    static DWORD WINAPI main(LPVOID parameter);

    HANDLE thread_ = nullptr;
    DWORD id_ = 0;
    HANDLE ready_ = nullptr;
    HWND messenger_ = nullptr;
};
