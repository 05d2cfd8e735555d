// Target tracking. While this thread's input is attached to the target's thread the two share one focus
// and one keyboard state, which lets the keyboard hand the focus back and edit the modifier state.
#include "typing/target.h"

#include "typing/keystate.h"
#include "state/appstate.h"

namespace {

// Remembered rather than looked up from the old target, whose window may no longer exist: its thread
// must still be detached.
DWORD attachedThread;

void detach()
{
    if (attachedThread)
        AttachThreadInput(GetCurrentThreadId(), attachedThread, FALSE);
    attachedThread = 0;
}

} // namespace

void followFocus(HWND newWindow)
{
    detach();
    app.targetWindow = newWindow;
    attachToTarget();
}

// Attaching to a thread that does not answer can block this one, and with it the pointer hook that every
// other application's clicks wait for. Taps for a hung target still go into the input stream and arrive
// when it wakes; it is attached at the first tap after that.
void attachToTarget()
{
    if (attachedThread || IsHungAppWindow(app.targetWindow))
        return;
    const DWORD thread = GetWindowThreadProcessId(app.targetWindow, nullptr);
    attachedThread = AttachThreadInput(GetCurrentThreadId(), thread, TRUE) ? thread : 0;
    // Attaching starts the shared keyboard state afresh, which would drop the caps lock that cap set.
    if (attachedThread && app.hardwareKeyboard && latches.capsLatch)
        setCapsLockState(true);
}

// The platform gives the focus to another thread's window only while that thread's input is attached; where
// it cannot be, or the focus does not move, the target's own window is brought forward and takes the focus
// itself. SetFocus on another thread's window waits for that thread to answer.
void returnFocus()
{
    HWND target = app.targetWindow;
    if (!IsWindow(target) || IsHungAppWindow(target))
        return;
    attachToTarget();
    if (attachedThread)
        SetFocus(target);
    HWND topLevel = GetAncestor(target, GA_ROOT);
    if (GetFocus() != target || GetForegroundWindow() != topLevel)
        SetForegroundWindow(topLevel);
}
