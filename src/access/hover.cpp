// The hover watch: the thread's own message hook sees the pointer arrive over any window of the keyboard,
// including its dialogs, and a short timer follows a rest only while it runs. Once a visit has pressed, or
// the pointer rests where nothing can be pressed, nothing runs until the next move: the platform tells of a
// move over the keyboard, and of the pointer leaving it for another program's window.
#include "access/hover.h"

#include <climits>

#include "access/dwell.h"
#include "access/overlay.h"
#include "access/parts.h"
#include "state/appstate.h"
#include "state/message.h"

namespace {

// Short against the shortest Hover Time, so that a press comes within a few percent of its time.
constexpr UINT followInterval = 15;

HHOOK messageHook;
UINT_PTR followTimer;
Visit visit{{PartKind::away, nullptr, 0}, 0, false, false, 0};
// Where the watch last saw the pointer: the platform also reports a pointer that has not moved, when a
// window appears, goes or changes under it, and that is no move of the person's.
POINT lastPointer{LONG_MIN, LONG_MIN};
// The key pressed by this visit's rest, released when the visit ends.
bool holdingKey;

void endVisit()
{
    if (holdingKey)
        releaseHoveredKey();
    holdingKey = false;
    showFill(RECT{}, 0, {});
}

void stopFollowing()
{
    if (followTimer)
        KillTimer(nullptr, followTimer);
    followTimer = 0;
}

void CALLBACK onFollowTimer(HWND, UINT, UINT_PTR, DWORD);

// The timer runs only while a rest runs.
void followWhileResting()
{
    if (!restRuns(visit))
        stopFollowing();
    else if (!followTimer)
        followTimer = SetTimer(nullptr, 0, followInterval, onFollowTimer);
}

void pressByRest(const HoverTarget& now, POINT pointer, DWORD time)
{
    visit.pressed = true;
    visit.pressedByRest = true;
    visit.pressedAt = time;
    showFill(RECT{}, 0, {});
    holdingKey = now.kind == PartKind::key;
    pressPart(now, pointer);
}

// Looks where the pointer is: a new visit where it came to another part, a press where a rest has run out.
// A part that came under a still pointer is not rested on: its visit waits for a move.
void follow(bool mayPress)
{
    POINT pointer{};
    GetCursorPos(&pointer);
    const bool moved = pointer.x != lastPointer.x || pointer.y != lastPointer.y;
    lastPointer = pointer;
    const HoverTarget now = app.selectKeys == selectByHover ? targetAt(pointer) : HoverTarget{};
    const DWORD time = GetTickCount();
    const HoverStep step = nextHoverStep(visit, now, time, static_cast<DWORD>(app.hoverTime));
    if (step.act == HoverAct::leave) {
        endVisit();
        visit = Visit{now, time, !moved, false, 0};
    } else if (step.act == HoverAct::press && mayPress) {
        pressByRest(now, pointer, time);
    } else if (restRuns(visit)) {
        showFill(rectOfPart(now), step.fill, captionOfPart(now));
    }
    followWhileResting();
}

void CALLBACK onFollowTimer(HWND, UINT, UINT_PTR, DWORD)
{
    follow(true);
}

// A click or a tap during the visit is its press, unless the rest has just pressed for it: then the press
// message is dropped, so that the key types once.
void onPress(MSG& msg)
{
    const DWORD clickTime =
        msg.message == MSG_KEY_PRESS && msg.wParam ? static_cast<DWORD>(msg.wParam) : msg.time;
    follow(false);
    if (!clickIsNewPress(visit, clickTime)) {
        msg.message = WM_NULL;
        return;
    }
    visit.pressed = true;
    showFill(RECT{}, 0, {});
    followWhileResting();
}

// The leaving of the window under the pointer is asked for at each move, so that a pointer that goes to
// another program's window is seen going.
void onMove(const MSG& msg)
{
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, msg.hwnd, 0};
        if (msg.message == WM_NCMOUSEMOVE)
            leave.dwFlags |= TME_NONCLIENT;
        TrackMouseEvent(&leave);
    }
    follow(true);
}

bool isPress(const MSG& msg)
{
    return msg.message == MSG_KEY_PRESS || msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN;
}

bool isMove(const MSG& msg)
{
    return msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE || msg.message == WM_MOUSELEAVE ||
           msg.message == WM_NCMOUSELEAVE;
}

LRESULT CALLBACK watchMessages(int code, WPARAM wParam, LPARAM lParam)
{
    auto* msg = reinterpret_cast<MSG*>(lParam);
    const bool watching = app.selectKeys == selectByHover || visit.target.kind != PartKind::away;
    if (code == HC_ACTION && wParam == PM_REMOVE && watching) {
        if (isPress(*msg))
            onPress(*msg);
        else if (isMove(*msg))
            onMove(*msg);
    }
    return CallNextHookEx(messageHook, code, wParam, lParam);
}

} // namespace

void startHoverWatch()
{
    if (!messageHook)
        messageHook = SetWindowsHookExA(WH_GETMESSAGE, watchMessages, nullptr, GetCurrentThreadId());
}

void stopHoverWatch()
{
    stopFollowing();
    endVisit();
    if (messageHook)
        UnhookWindowsHookEx(messageHook);
    messageHook = nullptr;
}
