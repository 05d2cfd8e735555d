// The scan's groups, measured from the windows: a key belongs to the row whose keys share its top edge, so
// that a key two rows tall stands in the upper one.
#include "access/scangroups.h"

#include <algorithm>

#include "access/parts.h"
#include "keys/keytables.h"
#include "panel/formspopup.h"
#include "state/appstate.h"
#include "suggestions/strip.h"
#include "words/suggest.h"

namespace {

bool isFunctionKey(int keyId)
{
    return keyId >= firstFunctionKey && keyId <= lastFunctionKey;
}

// Keys beyond the visible part of the panel (the pad without numbers, the function row without it) are
// clipped by the frame.
bool shown(const RECT& key, const RECT& panel)
{
    return key.left < panel.left + visibleWidth() && key.top < panel.top + visibleHeight();
}

void addToRow(std::vector<ScanGroup>& rows, const ScanItem& item)
{
    const LONG tolerance = (item.place.bottom - item.place.top) / 3;
    for (ScanGroup& row : rows)
        if (std::abs(row.front().place.top - item.place.top) <= tolerance) {
            row.push_back(item);
            return;
        }
    rows.push_back(ScanGroup{item});
}

ScanGroup stripGroup()
{
    ScanGroup cells;
    HWND strip = suggestionStrip();
    if (!strip || !IsWindowVisible(strip))
        return cells;
    for (int cell = 0; cell < static_cast<int>(suggestionCells); ++cell) {
        const HoverTarget target{PartKind::cell, strip, cell};
        cells.push_back(ScanItem{target, rectOfPart(target)});
    }
    return cells;
}

BOOL CALLBACK addButton(HWND child, LPARAM group)
{
    char name[8] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Button") == 0 && IsWindowVisible(child) && IsWindowEnabled(child)) {
        RECT place{};
        GetWindowRect(child, &place);
        reinterpret_cast<ScanGroup*>(group)->push_back(
            ScanItem{HoverTarget{PartKind::button, child, GetDlgCtrlID(child)}, place});
    }
    return TRUE;
}

// A dialog of the keyboard (the options, a message box) takes the switch while it is shown.
BOOL CALLBACK findDialog(HWND window, LPARAM found)
{
    char name[8] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window) && IsWindowEnabled(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

ScanGroup dialogButtons()
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
    ScanGroup buttons;
    if (dialog)
        EnumChildWindows(dialog, addButton, reinterpret_cast<LPARAM>(&buttons));
    std::sort(buttons.begin(), buttons.end(), [](const ScanItem& a, const ScanItem& b) {
        return a.place.top != b.place.top ? a.place.top < b.place.top : a.place.left < b.place.left;
    });
    return buttons;
}

// The popup of a held key's forms takes the switch while it is open.
ScanGroup formsGroup()
{
    ScanGroup forms;
    const std::vector<RECT> cells = formCells();
    for (int cell = 0; cell < static_cast<int>(cells.size()); ++cell)
        forms.push_back(ScanItem{HoverTarget{PartKind::form, nullptr, cell}, cells[cell]});
    return forms;
}

} // namespace

std::vector<ScanGroup> scanGroups()
{
    std::vector<ScanGroup> groups;
    if (ScanGroup buttons = dialogButtons(); !buttons.empty())
        return {buttons};
    if (ScanGroup forms = formsGroup(); !forms.empty())
        return {forms};
    if (ScanGroup cells = stripGroup(); !cells.empty())
        groups.push_back(cells);
    if (!app.keyboardPanel)
        return groups;
    RECT panel{};
    GetWindowRect(app.keyboardPanel, &panel);
    ScanGroup functionRow;
    std::vector<ScanGroup> rows;
    for (int keyId = 1; keyId <= lastKeyIdValue; ++keyId) {
        HWND key = app.keyHandles[keyId];
        if (!key || !IsWindowVisible(key))
            continue;
        const HoverTarget target{PartKind::key, app.keyboardPanel, keyId};
        const ScanItem item{target, rectOfPart(target)};
        if (!shown(item.place, panel))
            continue;
        if (isFunctionKey(keyId))
            functionRow.push_back(item);
        else
            addToRow(rows, item);
    }
    const auto leftToRight = [](const ScanItem& a, const ScanItem& b) { return a.place.left < b.place.left; };
    std::sort(functionRow.begin(), functionRow.end(), leftToRight);
    if (!functionRow.empty())
        groups.push_back(functionRow);
    std::sort(rows.begin(), rows.end(), [](const ScanGroup& a, const ScanGroup& b) {
        return a.front().place.top < b.front().place.top;
    });
    for (ScanGroup& row : rows) {
        std::sort(row.begin(), row.end(), leftToRight);
        groups.push_back(row);
    }
    return groups;
}

RECT placeOfGroup(const ScanGroup& group)
{
    RECT whole = group.front().place;
    for (const ScanItem& item : group)
        UnionRect(&whole, &whole, &item.place);
    return whole;
}
