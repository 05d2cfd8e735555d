// The parts under the pointer and their presses: a key gets the panel's press and release messages, a
// strip cell the strip's, a form the popup's choice and a button its parent's command, as their taps do.
#include "access/parts.h"

#include <algorithm>

#include "keys/keytables.h"
#include "panel/formshold.h"
#include "panel/formspopup.h"
#include "panel/hittest.h"
#include "state/appstate.h"
#include "state/message.h"
#include "suggestions/strip.h"
#include "words/suggest.h"

namespace {

RECT windowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

LPARAM pointIn(HWND window, POINT screen)
{
    const RECT r = windowRect(window);
    return MAKELPARAM(screen.x - r.left, screen.y - r.top);
}

bool isButton(HWND window)
{
    char name[8] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, "Button") == 0;
}

bool within(HWND window, HWND outer)
{
    return outer && (window == outer || IsChild(outer, window));
}

std::wstring textOf(HWND window)
{
    wchar_t text[256];
    return std::wstring(text, static_cast<size_t>(std::max(0, GetWindowTextW(window, text, 256))));
}

HFONT fontOf(HWND window)
{
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

int stripCellAt(HWND strip, POINT screen)
{
    const RECT r = windowRect(strip);
    const int width = static_cast<int>(r.right - r.left);
    return width > 0 ? (screen.x - r.left) * static_cast<int>(suggestionCells) / width : -1;
}

} // namespace

HoverTarget targetAt(POINT screen)
{
    HWND hit = WindowFromPoint(screen);
    if (!hit || GetWindowThreadProcessId(hit, nullptr) != GetCurrentThreadId())
        return {PartKind::away, nullptr, 0};
    if (formsPopupAt(screen))
        return {formAt(screen) >= 0 ? PartKind::form : PartKind::nothing, hit, formAt(screen)};
    if (within(hit, app.keyboardPanel)) {
        const LPARAM at = pointIn(app.keyboardPanel, screen);
        const int key = keyAt(LOWORD(at), HIWORD(at));
        return {key ? PartKind::key : PartKind::nothing, app.keyboardPanel, key};
    }
    if (hit == suggestionStrip())
        return {PartKind::cell, hit, stripCellAt(hit, screen)};
    if (isButton(hit) && IsWindowEnabled(hit))
        return {PartKind::button, hit, GetDlgCtrlID(hit)};
    return {PartKind::nothing, hit, 0};
}

RECT rectOfPart(const HoverTarget& target)
{
    if (target.kind == PartKind::key)
        return windowRect(app.keyHandles[target.part]);
    if (target.kind == PartKind::form) {
        const std::vector<RECT> cells = formCells();
        return target.part >= 0 && target.part < static_cast<int>(cells.size()) ? cells[target.part] : RECT{};
    }
    RECT r = windowRect(target.window);
    if (target.kind == PartKind::cell) {
        const int width = static_cast<int>(r.right - r.left);
        r.right = r.left + width * (target.part + 1) / static_cast<int>(suggestionCells);
        r.left += width * target.part / static_cast<int>(suggestionCells);
    }
    return r;
}

PartCaption captionOfPart(const HoverTarget& target)
{
    switch (target.kind) {
    case PartKind::key: return {textOf(app.keyHandles[target.part]), fontOf(app.keyHandles[target.part])};
    case PartKind::button: return {textOf(target.window), fontOf(target.window)};
    case PartKind::cell: return {cellWord(target.part), fontOf(app.keyHandles[firstLetterKey])};
    case PartKind::form: return {formOfCell(target.part), formsFont()};
    default: return {};
    }
}

void pressPart(const HoverTarget& target, POINT screen)
{
    switch (target.kind) {
    case PartKind::key:
        SendMessageA(app.keyboardPanel, MSG_KEY_PRESS, 0, pointIn(app.keyboardPanel, screen));
        break;
    case PartKind::cell:
        SendMessageA(target.window, MSG_KEY_PRESS, 0, pointIn(target.window, screen));
        SendMessageA(target.window, MSG_KEY_RELEASE, 0, 0);
        break;
    case PartKind::form: chooseForm(target.part); break;
    case PartKind::button:
        SendMessageA(GetParent(target.window), WM_COMMAND, MAKEWPARAM(target.part, BN_CLICKED),
                     reinterpret_cast<LPARAM>(target.window));
        break;
    default: break;
    }
}

void releaseHoveredKey()
{
    forgetFormsSlide();
    if (app.keyboardPanel)
        SendMessageA(app.keyboardPanel, MSG_KEY_RELEASE, 0, 0);
}
