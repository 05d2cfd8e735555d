// The Medium panel as the scan plans it: the strip's four cells across the frame above the panel, one key
// tall, then the keys in the order of their ids, each with its caption; for make scancost and the tests.
#pragma once

#include <string>
#include <vector>

#include "scanplan/scanplan.h"
#include "tools/mediumpanel.h"

struct MediumScanPanel {
    std::vector<ScanPart> parts;
    // Each part's caption as the key shows it; a cell's is "cell" and its number from 1.
    std::vector<std::string> captions;
};

inline bool isRareKeyCaption(const std::string& caption)
{
    for (const char* rare : {"esc", "del", "tab", "cap", "ctrl", "alt", "num", "menu"})
        if (caption == rare)
            return true;
    return false;
}

inline MediumScanPanel mediumScanPanel(bool strip, bool functionKeys)
{
    constexpr int stripCells = 4;
    constexpr int firstFunctionKey = 121;
    const int keyHeight = mediumPanelKeys[0].rect.bottom - mediumPanelKeys[0].rect.top;
    MediumScanPanel panel;
    for (int cell = 0; strip && cell < stripCells; ++cell) {
        panel.parts.push_back(ScanPart{ScanPartKind::cell,
                                       0,
                                       {cell * mediumPanelWidth / stripCells, -keyHeight,
                                        (cell + 1) * mediumPanelWidth / stripCells, 0}});
        panel.captions.push_back("cell " + std::to_string(cell + 1));
    }
    for (const MediumPanelKey& key : mediumPanelKeys) {
        const std::string caption = key.caption;
        const bool functionKey = key.id >= firstFunctionKey;
        if (functionKey && !functionKeys)
            continue;
        const char letter = caption.size() == 1 && caption[0] >= 'a' && caption[0] <= 'z' ? caption[0] : 0;
        const ScanPartKind kind = functionKey                 ? ScanPartKind::functionKey
                                  : isRareKeyCaption(caption) ? ScanPartKind::rareKey
                                                              : ScanPartKind::key;
        panel.parts.push_back(
            ScanPart{kind, letter, {key.rect.left, key.rect.top, key.rect.right, key.rect.bottom}});
        panel.captions.push_back(caption);
    }
    return panel;
}
