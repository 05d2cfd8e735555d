// Choosing the scan's groups: the rows measured from where the keys stand, and the likely letters and the
// strip placed before them by the odds of the word being typed.
#include "scanplan/scanplan.h"

#include <algorithm>
#include <cstdlib>

namespace {

using Group = std::vector<int>;

// Tuned on the keyboard's own example text: above these odds the strip is worth its step before the letters.
constexpr double likelyStrip = 0.5;

struct Layout {
    Group cells;
    Group functionRow;
    std::vector<Group> rows;
};

// A key belongs to the row whose first key shares its top edge, within a third of its height, so that a key
// two rows tall stands in the upper one.
void addToRow(std::vector<Group>& rows, const std::vector<ScanPart>& parts, int part)
{
    const ScanRect& place = parts[part].place;
    const long tolerance = (place.bottom - place.top) / 3;
    for (Group& row : rows)
        if (std::labs(parts[row.front()].place.top - place.top) <= tolerance) {
            row.push_back(part);
            return;
        }
    rows.push_back(Group{part});
}

Layout layoutOf(const std::vector<ScanPart>& parts)
{
    Layout layout;
    for (int part = 0; part < static_cast<int>(parts.size()); ++part) {
        switch (parts[part].kind) {
        case ScanPartKind::cell: layout.cells.push_back(part); break;
        case ScanPartKind::functionKey: layout.functionRow.push_back(part); break;
        default: addToRow(layout.rows, parts, part);
        }
    }
    const auto leftToRight = [&](int a, int b) { return parts[a].place.left < parts[b].place.left; };
    std::sort(layout.functionRow.begin(), layout.functionRow.end(), leftToRight);
    std::sort(layout.rows.begin(), layout.rows.end(), [&](const Group& a, const Group& b) {
        return parts[a.front()].place.top < parts[b.front()].place.top;
    });
    for (Group& row : layout.rows)
        std::sort(row.begin(), row.end(), leftToRight);
    return layout;
}

void addGroup(std::vector<Group>& groups, const Group& group)
{
    if (!group.empty())
        groups.push_back(group);
}

std::vector<Group> rowsOrder(const Layout& layout)
{
    std::vector<Group> groups;
    addGroup(groups, layout.cells);
    addGroup(groups, layout.functionRow);
    for (const Group& row : layout.rows)
        addGroup(groups, row);
    return groups;
}

// The rare keys at a row's left end come after the keys right of them, so that a row starts with its first
// letter, space bar, mark or shift.
Group fromFirstUsedKey(const Group& row, const std::vector<ScanPart>& parts)
{
    const auto first = std::find_if(row.begin(), row.end(),
                                    [&](int part) { return parts[part].kind != ScanPartKind::rareKey; });
    Group rotated(first, row.end());
    rotated.insert(rotated.end(), row.begin(), first);
    return rotated;
}

// The letter keys of the likeliest letters, likeliest first; a letter no word continues with is left out.
Group likelyLetterKeys(const std::vector<ScanPart>& parts, const TypingNow& typing)
{
    const std::array<double, alphabetSize> odds = nextLetterOdds(typing.words);
    Group keys;
    for (int part = 0; part < static_cast<int>(parts.size()); ++part) {
        const char letter = parts[part].letter;
        if (letter >= 'a' && letter <= 'z' && odds[letter - 'a'] > 0)
            keys.push_back(part);
    }
    const auto likelier = [&](int a, int b) {
        return odds[parts[a].letter - 'a'] > odds[parts[b].letter - 'a'];
    };
    std::stable_sort(keys.begin(), keys.end(), likelier);
    if (keys.size() > likelyLetters)
        keys.resize(likelyLetters);
    return keys;
}

std::vector<Group> predictiveOrder(const Layout& layout, const std::vector<ScanPart>& parts,
                                   const TypingNow& typing)
{
    std::vector<Group> groups;
    const bool stripFirst =
        !layout.cells.empty() && oddsOfOffered(typing.words, typing.offered) > likelyStrip;
    if (stripFirst)
        addGroup(groups, layout.cells);
    addGroup(groups, likelyLetterKeys(parts, typing));
    if (!stripFirst)
        addGroup(groups, layout.cells);
    for (const Group& row : layout.rows)
        addGroup(groups, fromFirstUsedKey(row, parts));
    addGroup(groups, layout.functionRow);
    return groups;
}

} // namespace

std::vector<std::vector<int>> planScanGroups(const std::vector<ScanPart>& parts, ScanOrder order,
                                             const TypingNow& typing)
{
    const Layout layout = layoutOf(parts);
    return order == ScanOrder::rows ? rowsOrder(layout) : predictiveOrder(layout, parts, typing);
}
