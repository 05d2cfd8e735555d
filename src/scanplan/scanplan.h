// The scan's groups and their order, chosen from the parts that can be pressed, where they stand and what
// they type, and from the word being typed: plain code with no window calls, so that make scancost measures
// the order the keyboard scans.
#pragma once

#include <string>
#include <vector>

#include "scanplan/letterodds.h"

// Predictive, the default: the likely letters first; rows: the order of the rows as the panel shows them.
enum class ScanOrder { predictive, rows };

// A rare key is a special key seldom used in writing (esc, del, tab, cap, ctrl, alt, num, menu): one at a
// row's left end is scanned after the row's other keys.
enum class ScanPartKind { cell, key, rareKey, functionKey };

struct ScanRect {
    long left;
    long top;
    long right;
    long bottom;
};

struct ScanPart {
    ScanPartKind kind;
    // A letter key's small letter; 0 for every other part.
    char letter;
    ScanRect place;
};

// What the planner reads of the word being typed: the words, the typed letters, the previous word, and
// the words the strip offers now.
struct TypingNow {
    WordContext words;
    std::vector<std::string> offered;
};

constexpr size_t likelyLetters = 8;

// The groups in the order scanned, each a list of indices into parts in the order scanned. Parts come in
// the order of their ids (the strip's cells first): a row is found by the first key that stands in it.
// Rows: the strip, the function row, then each row of keys from the left, top to bottom.
// Predictive: the strip first while it likely holds the word; the letters most likely next; the strip
// otherwise; each row from its first key that is not rare, the rare keys left of it after; the function
// row last.
std::vector<std::vector<int>> planScanGroups(const std::vector<ScanPart>& parts, ScanOrder order,
                                             const TypingNow& typing);
