// Target tracking. While this thread's input is attached to the target's thread the two share one focus
// and one keyboard state, which lets the keyboard hand the focus back and edit the modifier state.
#include "panel/target.h"

#include "panel/keystate.h"
#include "shell/appstate.h"

namespace {

// Remembered rather than looked up from the old target, whose window may no longer exist: its thread
// must still be detached.
DWORD attachedThread;

} // namespace

INT_PTR onFocusChange(HWND newWindow)
{
    if (newWindow == app.targetWindow)
        return TRUE;
    const DWORD self = GetCurrentThreadId();
    const DWORD newThread = GetWindowThreadProcessId(newWindow, nullptr);
    if (attachedThread)
        AttachThreadInput(self, attachedThread, FALSE);
    attachedThread = AttachThreadInput(self, newThread, TRUE) ? newThread : 0;
    // Attaching starts the shared keyboard state afresh, which would drop the caps lock that cap set.
    if (app.hardwareKeyboard && latches.capsLatch)
        setCapsLockState(true);
    app.targetWindow = newWindow;
    return TRUE;
}
