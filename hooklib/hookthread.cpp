// The hooks' own thread. The platform calls a low-level hook on the thread that set it and holds every
// pointer move and key of the desktop until it returns; on the keyboard's user-interface thread they would
// wait behind its painting, its word lists or a stalled target, and a late hook is skipped or dropped. This
// thread only answers its hooks and posts what they saw, so it answers at once.
#include "hooklib/hookthread.h"

#include "hooklib/focushook.h"
#include "hooklib/hardwarekeyhook.h"
#include "hooklib/platformfacts.h"
#include "hooklib/pointerhook.h"

namespace {

// What the entry points ask of the thread, as thread messages.
constexpr UINT askRenew = WM_APP + 1;
constexpr UINT askWatchKeys = WM_APP + 2;
constexpr UINT askOwedRelease = WM_APP + 3;

// The timer keeps the idle thread fetching where the platform needs it.
constexpr UINT keepAliveInterval = 1000;

HANDLE thread;
DWORD threadId;

struct Start {
    HANDLE ready;
    bool hooksSet;
};

void removeHooks()
{
    removePointerHook();
    removeFocusHooks();
    watchHardwareKeys(false);
}

// None is left behind unless all are set.
bool setHooks()
{
    const bool pointerSet = installPointerHook();
    const bool focusSet = installFocusHooks();
    if (pointerSet && focusSet)
        return true;
    removeHooks();
    return false;
}

void answer(const MSG& msg)
{
    switch (msg.message) {
    case askRenew:
        renewPointerHook();
        renewFocusHooks();
        renewHardwareKeyHook();
        break;
    case askWatchKeys: watchHardwareKeys(msg.wParam != 0); break;
    case askOwedRelease: reportOwedRelease(); break;
    default: DispatchMessageA(&msg);
    }
}

DWORD WINAPI hookThreadMain(void* parameter)
{
    auto* start = static_cast<Start*>(parameter);
    MSG msg;
    // The queue must exist before the entry points post to it.
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    const bool hooksSet = setHooks();
    start->hooksSet = hooksSet;
    SetEvent(start->ready);
    if (!hooksSet)
        return 0;
    const UINT_PTR keepAlive =
        idleHookThreadsNeedWaking() ? SetTimer(nullptr, 0, keepAliveInterval, nullptr) : 0;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        answer(msg);
    if (keepAlive)
        KillTimer(nullptr, keepAlive);
    removeHooks();
    return 0;
}

void ask(UINT request, WPARAM wParam)
{
    if (threadId)
        PostThreadMessageA(threadId, request, wParam, 0);
}

} // namespace

bool startHookThread()
{
    Start start{CreateEventA(nullptr, TRUE, FALSE, nullptr), false};
    thread = start.ready ? CreateThread(nullptr, 0, hookThreadMain, &start, 0, &threadId) : nullptr;
    if (thread)
        WaitForSingleObject(start.ready, INFINITE);
    if (start.ready)
        CloseHandle(start.ready);
    if (thread && !start.hooksSet)
        stopHookThread();
    return thread != nullptr;
}

void stopHookThread()
{
    if (!thread)
        return;
    PostThreadMessageA(threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    thread = nullptr;
    threadId = 0;
}

void askHookThreadToRenewHooks()
{
    ask(askRenew, 0);
}

void askHookThreadToWatchHardwareKeys(bool on)
{
    ask(askWatchKeys, on);
}

void askHookThreadToReportOwedRelease()
{
    ask(askOwedRelease, 0);
}
