// Watching the input focus in other processes and reporting each change to the keyboard window.
#include "hooklib/focushook.h"

#include "hooklib/hookstate.h"
#include "hooklib/platformfacts.h"
#include "hooklib/tilmhk32.h"

#include <atomic>

namespace {

HWINEVENTHOOK focusHook;
HWINEVENTHOOK foregroundHook;
// The window named in the latest report; a repeat is not sent again. A new keyboard window forgets it.
std::atomic<HWND> reportedFocus;

HWND focusOfThreadOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

// The keyboard's own windows are never named: whatever is reported becomes the window typed into. Posted,
// so that this thread never waits for the keyboard's.
void reportFocus(HWND window)
{
    if (!reportsWanted() || !window || window == reportedFocus || isOwnWindow(window))
        return;
    reportedFocus = window;
    PostMessageA(hook.keyboardWindow, MSG_FOCUS_CHANGE, reinterpret_cast<WPARAM>(window), 0);
}

// The events arrive late, so a focus that has moved on since is not reported. An activation need not move
// the focus, so it reports the window that the activated thread gives the focus to.
void CALLBACK onWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD)
{
    HWND focus = focusOfThreadOf(window);
    if (event == EVENT_SYSTEM_FOREGROUND || focus == window)
        reportFocus(focus);
}

// Out of context: the events come to this thread as messages, and no other process loads this library.
HWINEVENTHOOK watch(DWORD event)
{
    return SetWinEventHook(event, event, nullptr, onWinEvent, 0, 0, WINEVENT_OUTOFCONTEXT);
}

// The new hook is set before the old one goes, as the pointer hook is renewed.
void renew(HWINEVENTHOOK& eventHook, DWORD event)
{
    HWINEVENTHOOK renewed = watch(event);
    if (!renewed)
        return;
    if (eventHook)
        UnhookWinEvent(eventHook);
    eventHook = renewed;
}

} // namespace

bool installFocusHooks()
{
    focusHook = watch(EVENT_OBJECT_FOCUS);
    foregroundHook = watch(EVENT_SYSTEM_FOREGROUND);
    return focusHook && foregroundHook;
}

void renewFocusHooks()
{
    renew(focusHook, EVENT_OBJECT_FOCUS);
    renew(foregroundHook, EVENT_SYSTEM_FOREGROUND);
}

void removeFocusHooks()
{
    if (focusHook)
        UnhookWinEvent(focusHook);
    if (foregroundHook)
        UnhookWinEvent(foregroundHook);
    focusHook = nullptr;
    foregroundHook = nullptr;
    reportedFocus = nullptr;
}

void forgetReportedFocus()
{
    reportedFocus = nullptr;
}
