// Repeat on hold: a held key is processed again and again on a timer of the panel, with the latches its
// press found, until the press ends or anything shows that its release will not come.
#include "panel/keyrepeat.h"

#include <algorithm>

#include "panel/keyprocess.h"
#include "keys/keytables.h"
#include "state/appstate.h"

namespace {

constexpr UINT_PTR repeatTimer = 1;
// The system's keyboard delay runs from 0 (250 ms) to 3 (1 s); its keyboard speed from 0 (about 2.5 a
// second) to 31 (about 30 a second).
constexpr UINT delayStep = 250;
constexpr UINT slowestDelay = 3;
constexpr UINT fastestSpeed = 31;
constexpr double slowestRate = 2.5;
constexpr double fastestRate = 30.0;
// However the press went on, no key types on its own for longer than this.
constexpr DWORD longestRepeat = 60000;

struct KeyRepeat {
    // 0 while no key repeats.
    BYTE keyId;
    ModifierLatches found;
    HWND target;
    UINT interval;
    DWORD started;
    bool buttonSeenDown;
};

KeyRepeat repeat;

UINT systemValue(UINT action)
{
    UINT value = 0;
    SystemParametersInfoA(action, 0, &value, 0);
    return value;
}

// Resting on a key is held for a further Hover Time.
UINT repeatDelay()
{
    if (app.selectKeys == selectByHover)
        return static_cast<UINT>(app.hoverTime);
    return (std::min(systemValue(SPI_GETKEYBOARDDELAY), slowestDelay) + 1) * delayStep;
}

UINT repeatInterval()
{
    const UINT speed = std::min(systemValue(SPI_GETKEYBOARDSPEED), fastestSpeed);
    const double rate = slowestRate + speed * (fastestRate - slowestRate) / fastestSpeed;
    return static_cast<UINT>(1000 / rate + 0.5);
}

// Keys that change a latch or a mode, or open the options, act once however long they are held.
bool repeats(int keyId)
{
    switch (keyId) {
    case shiftKey:
    case ctrlKey:
    case altKey:
    case capKey:
    case numKey:
    case menuKey: return false;
    default: return true;
    }
}

// The button that gives the left-button press: swapped buttons put it on the physical right one, which
// is what the asynchronous state reports.
bool leftButtonDown()
{
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return GetAsyncKeyState(button) & 0x8000;
}

// A press that the pointer hook swallows never shows in the asynchronous state, so only a button that
// has been seen down counts as let go when it is found up.
bool buttonLetGo()
{
    const bool down = leftButtonDown();
    repeat.buttonSeenDown = repeat.buttonSeenDown || down;
    return repeat.buttonSeenDown && !down;
}

bool keyboardShown()
{
    return IsWindowVisible(app.mainWindow) && !IsIconic(app.mainWindow);
}

// The foreground window is none while another desktop (a UAC prompt, Ctrl+Alt+Del, the lock screen) has the
// input, where a release would never reach the keyboard.
bool targetInForeground()
{
    HWND foreground = GetForegroundWindow();
    return foreground && foreground == GetAncestor(repeat.target, GA_ROOT);
}

RepeatFacts currentFacts()
{
    return RepeatFacts{buttonLetGo(),
                       repeat.target == app.targetWindow,
                       IsWindow(repeat.target) != FALSE,
                       keyboardShown(),
                       targetInForeground(),
                       GetTickCount() - repeat.started};
}

} // namespace

bool repeatsOnRest(int keyId, bool nav)
{
    switch (keyId) {
    case backKey:
    case leftSpaceKey:
    case rightSpaceKey:
    case enterKey: return true;
    case delKey: return !nav;
    default: break;
    }
    if (!nav || keyId < firstPadKey || keyId > lastPadKey)
        return false;
    const BYTE vk = navVirtualKeys[keyId - firstPadKey];
    return vk == VK_LEFT || vk == VK_UP || vk == VK_RIGHT || vk == VK_DOWN;
}

bool repeatGoesOn(const RepeatFacts& facts)
{
    return !facts.buttonLetGo && facts.sameTarget && facts.targetExists && facts.keyboardShown &&
           facts.targetInForeground && facts.heldFor < longestRepeat;
}

void startKeyRepeat(BYTE keyId, const ModifierLatches& latchesOfPress)
{
    stopKeyRepeat();
    const bool resting = app.selectKeys == selectByHover;
    if (!app.keyRepeat || !repeats(keyId) || (resting && !repeatsOnRest(keyId, latchesOfPress.navLatch)))
        return;
    repeat = KeyRepeat{keyId, latchesOfPress, app.targetWindow, repeatInterval(), GetTickCount(), false};
    buttonLetGo();
    SetTimer(app.keyboardPanel, repeatTimer, repeatDelay(), nullptr);
}

void stopKeyRepeat()
{
    if (repeat.keyId)
        KillTimer(app.keyboardPanel, repeatTimer);
    repeat = KeyRepeat{};
}

// Each repeat is typed with the latches the press found, so that it is the same keystroke as the press.
INT_PTR onRepeatTimer(WPARAM timerId)
{
    if (timerId != repeatTimer || !repeat.keyId)
        return FALSE;
    if (!repeatGoesOn(currentFacts())) {
        stopKeyRepeat();
        return TRUE;
    }
    processKey(repeat.keyId, repeat.found);
    SetTimer(app.keyboardPanel, repeatTimer, repeat.interval, nullptr);
    return TRUE;
}
