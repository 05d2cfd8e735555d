// The scan's groups, measured from the windows: the strip's cells and the shown keys, where they stand and
// what they type, handed to the plan of the groups with the word being typed.
#include "access/scangroups.h"

#include <algorithm>

#include "access/parts.h"
#include "keys/keytables.h"
#include "panel/formspopup.h"
#include "scanplan/scanplan.h"
#include "state/appstate.h"
#include "suggestions/strip.h"
#include "suggestions/typedword.h"
#include "suggestions/wordsource.h"
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

void addStripCells(std::vector<ScanItem>& items)
{
    HWND strip = suggestionStrip();
    if (!strip || !IsWindowVisible(strip))
        return;
    for (int cell = 0; cell < static_cast<int>(suggestionCells); ++cell) {
        const HoverTarget target{PartKind::cell, strip, cell};
        items.push_back(ScanItem{target, rectOfPart(target)});
    }
}

void addShownKeys(std::vector<ScanItem>& items)
{
    if (!app.keyboardPanel)
        return;
    RECT panel{};
    GetWindowRect(app.keyboardPanel, &panel);
    for (int keyId = 1; keyId <= lastKeyIdValue; ++keyId) {
        HWND key = app.keyHandles[keyId];
        if (!key || !IsWindowVisible(key))
            continue;
        const HoverTarget target{PartKind::key, app.keyboardPanel, keyId};
        const ScanItem item{target, rectOfPart(target)};
        if (shown(item.place, panel))
            items.push_back(item);
    }
}

bool isRareKey(int keyId)
{
    switch (keyId) {
    case escKey:
    case delKey:
    case tabKey:
    case capKey:
    case ctrlKey:
    case altKey:
    case numKey:
    case menuKey: return true;
    default: return false;
    }
}

ScanPart partOf(const ScanItem& item)
{
    const int id = item.target.part;
    const ScanRect place{item.place.left, item.place.top, item.place.right, item.place.bottom};
    if (item.target.kind == PartKind::cell)
        return ScanPart{ScanPartKind::cell, 0, place};
    if (isFunctionKey(id))
        return ScanPart{ScanPartKind::functionKey, 0, place};
    if (id >= firstLetterKey && id <= lastLetterKey)
        return ScanPart{ScanPartKind::key, static_cast<char>(letterLayout[id - firstLetterKey] - 'A' + 'a'),
                        place};
    return ScanPart{isRareKey(id) ? ScanPartKind::rareKey : ScanPartKind::key, 0, place};
}

TypingNow typingNow()
{
    const ActiveWords words = wordsForTarget();
    const WordSoFar word = wordSoFar();
    return TypingNow{{words.list, words.learned, words.pairs, word.letters, word.previous}, offeredWords()};
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
    if (ScanGroup buttons = dialogButtons(); !buttons.empty())
        return {buttons};
    if (ScanGroup forms = formsGroup(); !forms.empty())
        return {forms};
    std::vector<ScanItem> items;
    addStripCells(items);
    addShownKeys(items);
    std::vector<ScanPart> parts;
    for (const ScanItem& item : items)
        parts.push_back(partOf(item));
    const ScanOrder order = app.scanOrder == scanByRows ? ScanOrder::rows : ScanOrder::predictive;
    std::vector<ScanGroup> groups;
    for (const std::vector<int>& planned : planScanGroups(parts, order, typingNow())) {
        ScanGroup group;
        for (int part : planned)
            group.push_back(items[part]);
        groups.push_back(group);
    }
    return groups;
}

// A row of keys that touch is framed whole; a scattered group (the likely letters) key by key.
std::vector<RECT> placesOfGroup(const ScanGroup& group)
{
    std::vector<RECT> places;
    for (const ScanItem& item : group)
        places.push_back(item.place);
    std::sort(places.begin(), places.end(), [](const RECT& a, const RECT& b) { return a.left < b.left; });
    RECT whole = places.front();
    for (const RECT& place : places) {
        const LONG gap = (place.bottom - place.top) / 3;
        if (std::abs(place.top - whole.top) > gap || place.left - whole.right > gap)
            return places;
        UnionRect(&whole, &whole, &place);
    }
    return {whole};
}
