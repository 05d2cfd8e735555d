// The hover watch: the thread's own message hook sees the pointer arrive over any window of the keyboard,
// including its dialogs, and a short timer follows the rest only until the pointer goes away.
#include "access/hover.h"

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
Visit visit{{PartKind::away, nullptr, 0}, 0, false};
// The key pressed by this visit's rest, released when the visit ends.
bool holdingKey;

void endVisit()
{
    if (holdingKey)
        releaseHoveredKey();
    holdingKey = false;
    showFillBar(RECT{}, 0);
}

void stopFollowing()
{
    if (followTimer)
        KillTimer(nullptr, followTimer);
    followTimer = 0;
}

void follow()
{
    POINT pointer{};
    GetCursorPos(&pointer);
    const HoverTarget now = app.selectKeys == selectByHover ? targetAt(pointer) : HoverTarget{};
    const DWORD time = GetTickCount();
    const HoverStep step = nextHoverStep(visit, now, time, static_cast<DWORD>(app.hoverTime));
    if (step.act == HoverAct::leave) {
        endVisit();
        visit = Visit{now, time, false};
        if (now.kind == PartKind::away)
            stopFollowing();
        return;
    }
    if (step.act == HoverAct::press) {
        visit.pressed = true;
        showFillBar(RECT{}, 0);
        holdingKey = now.kind == PartKind::key;
        pressPart(now, pointer);
        return;
    }
    showFillBar(rectOfPart(now), step.fill);
}

void CALLBACK onFollowTimer(HWND, UINT, UINT_PTR, DWORD)
{
    follow();
}

void startFollowing()
{
    if (!followTimer)
        followTimer = SetTimer(nullptr, 0, followInterval, onFollowTimer);
    follow();
}

// A click or a tap during the visit is its press.
bool isPress(const MSG& msg)
{
    return msg.message == MSG_KEY_PRESS || msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN;
}

bool isMove(const MSG& msg)
{
    return msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE;
}

LRESULT CALLBACK watchMessages(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && app.selectKeys == selectByHover) {
        if (isPress(*msg)) {
            // Posted presses come before the moves that led to them: the visit is found first.
            startFollowing();
            visit.pressed = true;
        } else if (isMove(*msg))
            startFollowing();
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
