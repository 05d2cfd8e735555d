// Following a letter's press: its path, the decision that it became a stroke, the trail while it is drawn
// and the word it writes at the release.
#include "panel/strokepress.h"

#include <vector>

#include "hook/hookbinding.h"
#include "keys/keytables.h"
#include "panel/formshold.h"
#include "panel/keyrepeat.h"
#include "panel/strokedecision.h"
#include "panel/trail.h"
#include "state/message.h"
#include "suggestions/typedword.h"

namespace {

struct StrokePress {
    bool followed;
    // The hook library's number of the press, from its first message of points; 0 before.
    UINT number;
    bool stroke;
    RECT key;
    DWORD pressTime;
    ModifierLatches found;
    std::vector<StrokePoint> path;
};

StrokePress press;

RECT onPanel(HWND window)
{
    RECT panel{}, rect{};
    GetWindowRect(app.keyboardPanel, &panel);
    GetWindowRect(window, &rect);
    OffsetRect(&rect, -panel.left, -panel.top);
    return rect;
}

// Measured from the keys as the panel stands, so that every size and every display scale decodes alike.
LetterKeys letterKeys()
{
    LetterKeys keys{};
    for (int keyId = firstLetterKey; keyId <= lastLetterKey; ++keyId) {
        const RECT key = onPanel(app.keyHandles[keyId]);
        keys.centre[letterLayout[keyId - firstLetterKey] - 'A'] =
            PathPoint{(key.left + key.right) / 2.0f, (key.top + key.bottom) / 2.0f};
        keys.keyWidth = static_cast<float>(key.right - key.left);
        keys.keyHeight = static_cast<float>(key.bottom - key.top);
    }
    return keys;
}

// The path as the decoder takes it: the points on the keyboard.
Path pathOnKeyboard()
{
    Path path;
    for (const StrokePoint& point : press.path)
        if (point.x != offKeyboard && point.y != offKeyboard)
            path.push_back(PathPoint{static_cast<float>(point.x), static_cast<float>(point.y)});
    return path;
}

bool releasedOverPanel()
{
    const StrokePoint& end = press.path.back();
    return end.x >= 0 && end.y >= 0 && end.x < visibleWidth() && end.y < visibleHeight();
}

// The key's hold and repeat end, and the key no longer shows pressed: the trail shows the stroke.
void turnIntoStroke()
{
    press.stroke = true;
    stopKeyRepeat();
    endFormsHold();
    SendMessageA(app.keyHandles[lastKeyId], BM_SETSTATE, FALSE, 0);
}

void addPoint(const StrokePoint& point, bool release)
{
    if (!release && !strokeStepTaken(press.path.back(), point))
        return;
    press.path.push_back(point);
}

void followPath()
{
    if (!press.stroke && becameStroke(press.key, press.path, press.pressTime, holdDelay()))
        turnIntoStroke();
    if (press.stroke)
        showTrail(press.path);
}

// Thinned by the hook library already, as addPoint thins the direct moves.
void takeHookPoints()
{
    StrokePoint points[256];
    while (const UINT taken =
               press.number ? TakeStrokePoints(press.number, points, static_cast<UINT>(std::size(points)))
                            : 0)
        press.path.insert(press.path.end(), points, points + taken);
}

} // namespace

void followPress(BYTE keyId, const ModifierLatches& found, POINT at, DWORD time)
{
    const bool letter = keyId >= firstLetterKey && keyId <= lastLetterKey;
    if (!letter || !app.shapeWriting || app.selectKeys != selectByClick || found.ctrlLatch ||
        found.altLatch || typingIntoPassword())
        return;
    press = StrokePress{
        true, 0, false, onPanel(app.keyHandles[keyId]), time, found, {StrokePoint{at.x, at.y, time}}};
}

// The messages come in the order posted: one between a press and its release is that press's.
INT_PTR onStrokePoints(UINT number)
{
    if (!press.followed)
        return TRUE;
    if (!press.number)
        press.number = number;
    takeHookPoints();
    followPath();
    return TRUE;
}

void followDirectMove(POINT at, DWORD time, bool release)
{
    if (!press.followed)
        return;
    addPoint(StrokePoint{at.x, at.y, time}, release);
    followPath();
}

bool endStroke()
{
    if (!press.followed)
        return false;
    takeHookPoints();
    press.followed = false;
    if (!press.stroke && !becameStroke(press.key, press.path, press.pressTime, holdDelay()))
        return false;
    if (!press.stroke)
        turnIntoStroke();
    hideTrail();
    const Path path = releasedOverPanel() ? pathOnKeyboard() : Path{};
    writeStroke(letterKeys(), path, press.found);
    return true;
}

void forgetStroke()
{
    press.followed = false;
    hideTrail();
    SendMessageA(app.mainWindow, MSG_STROKE_CHOICES, FALSE, 0);
}
