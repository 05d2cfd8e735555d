// Measures the steps a character costs by switch scanning, with the keyboard's own scan order and suggestion
// code on the Medium panel (numbers shown, function keys hidden, the strip of four cells above the panel),
// in the keyboard's order and in the rows order side by side. A step is one highlight the person waits
// through: the place of the chosen group among the groups plus the place of the item in it; each item
// takes two switch presses (its group, then itself).
// How the text is typed, as make ksr types it: a capital is shift and the letter; a paragraph ends with
// enter, other white space is one space; a digit is its pad key; a strip word is chosen as soon as it is
// offered and types its space, a mark of . , ; : ! ? ) after it takes that space, and any other character
// after it needs a back first. A character that a key offers among its held forms (“ ” ‘ – — and accented
// letters) is its key held (one press, kept down) and the form, scanned alone from the popup's first cell:
// one more press. `{ } [ ] | \ ^ ~ _` and the backquote are num, their key on the navigation pad, and num.
// Learning is on and starts empty. Usage: scancost TEXT WORDLIST [PAIRTABLE]
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "scanplan/scanplan.h"
#include "tools/mediumscan.h"
#include "tools/typedtext.h"
#include "words/suggest.h"

namespace {

using namespace typedtext;
using Groups = std::vector<std::vector<int>>;

constexpr int unreachable = 1 << 20;

// A character a key offers among its held forms: the key's caption and the form's cell, the key's own
// character being the first.
struct Form {
    char32_t character;
    const char* key;
    int cell;
};

const Form forms[] = {
    {U'\u2018', "'", 2},  {U'\u201A', "'", 4},  {U'\u201C', "\"", 2}, {U'\u201D', "\"", 3},
    {U'\u201E', "\"", 4}, {U'\u00AB', "\"", 5}, {U'\u00BB', "\"", 6}, {U'\u2013', "-", 2},
    {U'\u2014', "-", 3},  {U'\u00E0', "a", 2},  {U'\u00E1', "a", 3},  {U'\u00E2', "a", 4},
    {U'\u00E4', "a", 5},  {U'\u00E7', "c", 2},  {U'\u00E9', "e", 2},  {U'\u00E8', "e", 3},
    {U'\u00EA', "e", 4},  {U'\u00EB', "e", 5},  {U'\u00ED', "i", 2},  {U'\u00EC', "i", 3},
    {U'\u00EE', "i", 4},  {U'\u00EF', "i", 5},  {U'\u00F1', "n", 2},  {U'\u00F3', "o", 2},
    {U'\u00F2', "o", 3},  {U'\u00F4', "o", 4},  {U'\u00F6', "o", 5},  {U'\u00FA', "u", 2},
    {U'\u00F9', "u", 3},  {U'\u00FB', "u", 4},  {U'\u00FC', "u", 5},
};

// The navigation pad's characters and the keys they stand on in the calculator order.
const std::u32string navCharacters = U"`^~{}\\[]|_";
const char* const navKeys[] = {"/", "*", "+", "=", "0", "%", "@", "#", "$", "5"};

// The characters that look like others and are typed as them.
char32_t typedAs(char32_t c)
{
    switch (c) {
    case U'\u00A0': return ' ';
    case U'\u2011': return '-';
    default: return c;
    }
}

struct Cost {
    long steps = 0;
    long presses = 0;
};

struct Scanner {
    const MediumScanPanel& panel;
    ScanOrder order;
    Cost cost;
};

int stepsTo(const Groups& groups, int part)
{
    int best = unreachable;
    for (size_t group = 0; group < groups.size(); ++group)
        for (size_t item = 0; item < groups[group].size(); ++item)
            if (groups[group][item] == part)
                best = std::min(best, static_cast<int>(group + item + 2));
    return best;
}

// The cheapest of the keys with the caption (the two space bars), or unreachable.
int stepsToKey(const Groups& groups, const MediumScanPanel& panel, const std::string& caption)
{
    int best = unreachable;
    for (size_t part = 0; part < panel.parts.size(); ++part)
        if (panel.captions[part] == caption)
            best = std::min(best, stepsTo(groups, static_cast<int>(part)));
    return best;
}

struct Typing {
    const WordList& list;
    const PairTable& pairs;
    LearnedWords learned;
    std::u32string typed;
    std::string previous;
    std::vector<std::string> offered;
};

Groups groupsNow(const Scanner& scanner, const Typing& typing)
{
    const TypingNow now{
        {&typing.list, &typing.learned, &typing.pairs, encodeUtf8(typing.typed), typing.previous},
        typing.offered};
    return planScanGroups(scanner.panel.parts, scanner.order, now);
}

// The steps of one character typed with keys; false where no key types it.
bool typeCharacter(Scanner& scanner, const Groups& groups, char32_t c)
{
    const auto press = [&](const std::string& caption, int presses) {
        scanner.cost.steps += stepsToKey(groups, scanner.panel, caption);
        scanner.cost.presses += presses;
    };
    c = typedAs(c);
    if (c == '\n')
        press("enter", 2);
    else if (c == '\b')
        press("back", 2);
    else if (c == ' ' || (c < 0x80 && lowerOf(c) == c && std::isprint(static_cast<int>(c)) &&
                          navCharacters.find(c) == std::u32string::npos))
        press(std::string(1, static_cast<char>(c)), 2);
    else if (c < 0x80 && lowerOf(c) != c) {
        press("shift", 2);
        press(std::string(1, static_cast<char>(lowerOf(c))), 2);
    } else if (const size_t nav = navCharacters.find(c); nav != std::u32string::npos) {
        press("num", 2);
        press(navKeys[nav], 2);
        press("num", 2);
    } else {
        const char32_t small = lowerOf(c);
        const auto form = std::find_if(std::begin(forms), std::end(forms),
                                       [&](const Form& f) { return f.character == small; });
        if (form == std::end(forms))
            return false;
        if (small != c)
            press("shift", 2);
        press(form->key, 3);
        scanner.cost.steps += form->cell;
    }
    return true;
}

struct Run {
    std::vector<Scanner> scanners;
    long characters = 0;
    long notOnThePanel = 0;
};

void offerNow(Typing& typing)
{
    const bool anyContext = !typing.typed.empty() || !typing.previous.empty();
    const bool digits = std::any_of(typing.typed.begin(), typing.typed.end(),
                                    [](char32_t c) { return c >= '0' && c <= '9'; });
    typing.offered.clear();
    if (anyContext && !digits)
        typing.offered = suggestWords(typing.list, typing.learned, typing.pairs, typing.previous,
                                      encodeUtf8(typing.typed));
}

// One character typed with keys in every order; a back is no character of the text.
void typeWithEveryOrder(Run& run, const Typing& typing, char32_t c)
{
    bool typed = true;
    for (Scanner& scanner : run.scanners)
        typed = typeCharacter(scanner, groupsNow(scanner, typing), c) && typed;
    if (c == '\b')
        return;
    run.characters += 1;
    run.notOnThePanel += typed ? 0 : 1;
}

// Types one word; returns true when it was chosen from the strip, which leaves no letters typed and the
// word as the previous one.
bool typeWord(Run& run, Typing& typing, const std::u32string& word)
{
    const std::string whole = encodeUtf8(word);
    const std::string before = typing.previous;
    for (size_t k = 0; k < word.size(); ++k) {
        offerNow(typing);
        const auto cell = std::find(typing.offered.begin(), typing.offered.end(), whole);
        if (isWord(whole) && cell != typing.offered.end()) {
            const int part = static_cast<int>(cell - typing.offered.begin());
            for (Scanner& scanner : run.scanners) {
                scanner.cost.steps += stepsTo(groupsNow(scanner, typing), part);
                scanner.cost.presses += 2;
            }
            run.characters += static_cast<long>(word.size() - k);
            learnWord(typing.learned, typing.list, whole, before);
            typing.typed.clear();
            typing.previous = whole;
            return true;
        }
        typeWithEveryOrder(run, typing, word[k]);
        typing.typed += word[k];
    }
    learnWord(typing.learned, typing.list, whole, before);
    return false;
}

void measure(Run& run, Typing& typing, const std::u32string& text)
{
    typing.previous = sentenceStart;
    // A chosen word's space stands in the text until the next character shows whether it belongs there.
    bool chosenSpace = false;
    std::u32string word;
    std::string beforeWord;
    size_t i = 0;
    while (i < text.size()) {
        if (inWord(text, i)) {
            const size_t end = wordEnd(text, i);
            word = text.substr(i, end - i);
            beforeWord = typing.previous;
            chosenSpace = typeWord(run, typing, word);
            i = end;
            continue;
        }
        const char32_t c = text[i++];
        offerNow(typing);
        if (chosenSpace && c == ' ') {
            run.characters += 1;
        } else if (chosenSpace && marksBeforeTheSpace.find(c) != std::u32string::npos) {
            typeWithEveryOrder(run, typing, c);
        } else {
            // A back after a choice takes its space away and gives the word back as typed letters.
            if (chosenSpace) {
                typeWithEveryOrder(run, typing, '\b');
                typing.typed = word;
                typing.previous = beforeWord;
                offerNow(typing);
            }
            typeWithEveryOrder(run, typing, c);
        }
        if (!typing.typed.empty())
            typing.previous = encodeUtf8(typing.typed);
        typing.typed.clear();
        typing.previous = previousAfter(c, typing.previous);
        chosenSpace = false;
    }
}

void printCost(const char* label, const Cost& cost, long characters)
{
    std::printf("%ssteps a character %.2f, switch presses a character %.2f\n", label,
                static_cast<double>(cost.steps) / static_cast<double>(characters),
                static_cast<double>(cost.presses) / static_cast<double>(characters));
}

} // namespace

int main(int argc, char** argv)
{
    MeasuredText given;
    if (const int wrongCall = readArguments(argc, argv, "scancost", given))
        return wrongCall;
    const MediumScanPanel panel = mediumScanPanel(true, false);
    Run run{{Scanner{panel, ScanOrder::predictive, {}}, Scanner{panel, ScanOrder::rows, {}}}, 0, 0};
    Typing typing{given.list, given.pairs, {}, {}, {}, {}};
    measure(run, typing, given.text);
    std::printf("%ld characters, %ld of them on no key of the panel and left out\n", run.characters,
                run.notOnThePanel);
    printCost("", run.scanners[0].cost, run.characters - run.notOnThePanel);
    printCost("rows order: ", run.scanners[1].cost, run.characters - run.notOnThePanel);
    return 0;
}
