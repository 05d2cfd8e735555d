// Pointer input as a mouse or a pen gives it: through the platform's input stream, or from the X server.
#include "support/pointerinput.h"

#include "support/winprocess.h"

#include <functional>
#include <string>
#include <utility>

namespace {

// Absolute coordinates run from 0 to 65535 over the screen; rounding up lands on the pixel itself.
LONG normalised(LONG pixel, int screenSize)
{
    return (pixel * 65536 + screenSize - 1) / screenSize;
}

INPUT mouseInput(DWORD flags, POINT screen = {0, 0})
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        input.mi.dx = normalised(screen.x, GetSystemMetrics(SM_CXSCREEN));
        input.mi.dy = normalised(screen.y, GetSystemMetrics(SM_CYSCREEN));
    }
    return input;
}

constexpr DWORD moveThere = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;

// How long after an X server click its thread wakes the caller: the click's events have long been handled.
constexpr DWORD wakeMargin = 1000;

struct Task {
    std::function<void()> action;
    DWORD caller;
};

DWORD WINAPI taskThread(LPVOID parameter)
{
    auto* task = static_cast<Task*>(parameter);
    task->action();
    PostThreadMessageA(task->caller, WM_NULL, 0, 0);
    delete task;
    return 0;
}

// Runs the action on a thread of its own, which then posts WM_NULL to the calling thread.
HANDLE startTask(std::function<void()> action)
{
    auto* task = new Task{std::move(action), GetCurrentThreadId()};
    return CreateThread(nullptr, 0, taskThread, task, 0, nullptr);
}

// Sends the inputs at once from this thread.
void send(Inputs inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

Inputs moveTo(POINT screen)
{
    return {mouseInput(moveThere, screen)};
}

// Wine's cursor goes back to where the X pointer stands when a window appears or goes under it, also between
// an injected move and the press after it: each button event carries its own point, as a pen's does. A jump
// between a press and its release would leave a dialog's button drawn up, and the release unclicked: the
// release comes after a move back.
Inputs leftPressAt(POINT screen)
{
    return moveTo(screen) + Inputs{mouseInput(MOUSEEVENTF_LEFTDOWN | moveThere, screen)};
}

Inputs leftRelease()
{
    return {mouseInput(MOUSEEVENTF_LEFTUP)};
}

Inputs leftReleaseAt(POINT screen)
{
    return moveTo(screen) + Inputs{mouseInput(MOUSEEVENTF_LEFTUP | moveThere, screen)};
}

Inputs leftClickAt(POINT screen)
{
    return leftPressAt(screen) + leftReleaseAt(screen);
}

Inputs rightClickAt(POINT screen)
{
    return moveTo(screen) + Inputs{mouseInput(MOUSEEVENTF_RIGHTDOWN | moveThere, screen),
                                   mouseInput(MOUSEEVENTF_RIGHTUP | moveThere, screen)};
}

Inputs operator+(Inputs first, const Inputs& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

void movePointerTo(POINT screen)
{
    send(moveTo(screen));
}

void pressLeftButton()
{
    send({mouseInput(MOUSEEVENTF_LEFTDOWN)});
}

void releaseLeftButton()
{
    send(leftRelease());
}

void clickAt(POINT screen)
{
    send(leftClickAt(screen));
}

POINT centreOf(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void inject(const Inputs& inputs)
{
    HANDLE thread = startTask(
        [sent = inputs]() mutable { SendInput(static_cast<UINT>(sent.size()), sent.data(), sizeof(INPUT)); });
    waitUntil([&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, longWait);
    CloseHandle(thread);
}

void moveXPointerTo(POINT screen)
{
    Program("/usr/bin/xdotool mousemove " + std::to_string(screen.x) + ' ' + std::to_string(screen.y));
    waitUntil(
        [&] {
            POINT cursor;
            return GetCursorPos(&cursor) && cursor.x == screen.x && cursor.y == screen.y;
        },
        shortWait);
}

// Wine starts a Unix program without a process handle to wait on, so the move is waited for through the
// cursor position, which follows the X pointer once Wine has taken the motion.
HANDLE startXServerClickAt(POINT screen, DWORD delayMs)
{
    return startTask([screen, delayMs] {
        Program("/usr/bin/xdotool mousemove " + std::to_string(screen.x) + ' ' + std::to_string(screen.y));
        waitUntil(
            [&] {
                POINT cursor;
                return GetCursorPos(&cursor) && cursor.x == screen.x && cursor.y == screen.y;
            },
            longWait);
        Sleep(delayMs);
        Program("/usr/bin/xdotool click 1");
        Sleep(wakeMargin);
    });
}
