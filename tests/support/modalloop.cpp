// Driving calls that run their own modal loop: the loops dispatch thread timer messages, so a timer on the
// same thread reaches into them.
#include "support/modalloop.h"

#include <string>

namespace {

constexpr UINT tickMs = 20;

struct ModalDrive {
    const std::function<bool()>* step;
    DWORD start;
    DWORD timeoutMs;
    bool stepDone;
    bool stepping;
    bool forced;
};

ModalDrive* current;

struct WindowMatch {
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM lParam)
{
    auto* match = reinterpret_cast<WindowMatch*>(lParam);
    char name[64] = "";
    char text[256] = "";
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, text, sizeof text);
    if (!IsWindowVisible(window) || lstrcmpiA(name, match->className) != 0 ||
        (match->title && std::string(text) != match->title))
        return TRUE;
    match->found = window;
    return FALSE;
}

BOOL CALLBACK endDialog(HWND window, LPARAM)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770")
        EndDialog(window, 0);
    return TRUE;
}

void forceEnd()
{
    EndMenu();
    EnumThreadWindows(GetCurrentThreadId(), endDialog, 0);
}

void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD)
{
    ModalDrive* drive = current;
    if (!drive || drive->stepping)
        return;
    if (GetTickCount() - drive->start >= drive->timeoutMs) {
        drive->forced = true;
        forceEnd();
        return;
    }
    if (drive->stepDone)
        return;
    drive->stepping = true;
    drive->stepDone = (*drive->step)();
    drive->stepping = false;
}

} // namespace

bool driveModalLoop(const std::function<void()>& modalCall, const std::function<bool()>& step,
                    DWORD timeoutMs)
{
    ModalDrive drive{&step, GetTickCount(), timeoutMs, false, false, false};
    ModalDrive* outer = current;
    current = &drive;
    const UINT_PTR timer = SetTimer(nullptr, 0, tickMs, onTick);
    modalCall();
    KillTimer(nullptr, timer);
    current = outer;
    return drive.stepDone && !drive.forced;
}

HWND visibleThreadWindow(const char* className, const char* title)
{
    WindowMatch match{className, title, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), matchWindow, reinterpret_cast<LPARAM>(&match));
    return match.found;
}
