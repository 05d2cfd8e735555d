// Soak and fuzz of the real keyboard, too long for the test suite: 10,000 taps on letter keys, every
// character arriving in a target of ours exactly once and in order; 1,000 size changes by real clicks with
// the process's GDI objects and windows the same at the end as after the first of each size; 1,000 generated
// settings files, each started and closed with exit code 0, a panel of one of the five sizes and the file
// written back whole. The soak stops at its first fault. An argument divides the counts, for a shorter run:
// "soak.exe 10" does a tenth of each.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <utility>

#include "keys/keytables.h"
#include "resources/resource.h"
#include "support/guicounts.h"
#include "support/journalfollower.h"
#include "support/keyboard.h"
#include "support/keyboardparts.h"
#include "support/session.h"
#include "support/settingsfile.h"
#include "support/tapping.h"

namespace {

constexpr int fullTaps = 10000;
constexpr int fullSizeChanges = 1000;
constexpr int fullSettingsFiles = 1000;
constexpr DWORD arrivalWait = 2000;
// GDI objects that Wine's own caches may hold one or two more or fewer of from one moment to the next; a
// leak of one object per size change would show as a thousand.
constexpr int gdiNoise = 10;
const char* const sizeNames[] = {"Tiny", "Small", "Medium", "Large", "Huge"};
const char* const settingsKeys[] = {
    "Numbers",          "Phone",          "Function keys", "Hardware Keyboard", "Size",
    "Closing allowed",  "Switch allowed", "Parking X",     "Parking Y",         "Key Repeat",
    "Word Suggestions", "Click Sound",    "Fade",          "Position X",        "Position Y",
    "Select Keys",      "Hover Time",     "Scan Time",     "Scan Switch",       "Colors",
    "Shape Writing",    "Scan Order"};

int failures;

void check(bool condition, const std::string& what)
{
    if (condition)
        return;
    ++failures;
    if (failures <= 20)
        fprintf(stderr, "FAILED: %s\n", what.c_str());
}

// Taps at the highest rate the bench reaches: each tap as soon as the one before has arrived. The first
// character that does not arrive once and in order ends the taps, so that a fault costs one wait, not one
// for every later tap.
void soakTaps(int count)
{
    const KeyRecorder recorder = startKeyRecorder();
    RunningKeyboard keyboard = startKeyboard();
    check(recorder.window && keyboard.panel, "the recorder and the keyboard start");
    if (!recorder.window || !keyboard.panel)
        return;
    focusRecorderByClick(recorder);
    pumpFor(300);
    JournalFollower journal(recorder.journal);
    journal.newLines();
    std::string expected, arrived;
    const auto takeArrivals = [&] {
        for (const JournalLine& line : journal.newLines())
            if (line.kind == "char")
                arrived += static_cast<char>(line.code);
    };
    const DWORD start = GetTickCount();
    std::mt19937 random(11);
    for (int i = 0; i < count && arrived == expected; ++i) {
        const char letter = static_cast<char>('a' + random() % 26);
        expected += letter;
        movePointerTo(centreOf(GetDlgItem(keyboard.panel, keyForCharacter(letter))));
        pressLeftButton();
        pumpFor(1);
        releaseLeftButton();
        waitUntil(
            [&] {
                takeArrivals();
                return arrived.size() >= expected.size();
            },
            arrivalWait);
    }
    const DWORD elapsed = GetTickCount() - start;
    // A character that arrives twice after the last tap.
    if (arrived == expected) {
        pumpFor(1000);
        takeArrivals();
    }
    const std::string fault = firstFault(expected, arrived, count, journal);
    if (fault.empty())
        printf("taps: %d in %lu ms (%.1f a second); %zu characters arrived, all exactly once and in order\n",
               count, elapsed, count * 1000.0 / (elapsed ? elapsed : 1), arrived.size());
    check(fault.empty(), "taps: " + fault);
    closeKeyboard(*keyboard.program, keyboard.frame);
}

bool changeSize(RunningKeyboard& keyboard, int size)
{
    HWND oldPanel = keyboard.panel;
    HWND dialog = openOptions(keyboard);
    if (!dialog)
        return false;
    clickControl(dialog, IDC_TINY_SIZE + size - 1);
    const bool rebuilt = waitUntil(
        [&] {
            keyboard.panel = panelOf(keyboard.frame);
            return !IsWindow(dialog) && keyboard.panel && keyboard.panel != oldPanel &&
                   IsWindowVisible(keyboard.frame);
        },
        shortWait);
    return rebuilt && waitUntilIdle(keyboard.frame);
}

// Stops at the first change that fails.
void soakSizeChanges(int count)
{
    deleteSettingsFile();
    RunningKeyboard keyboard = startKeyboard();
    check(keyboard.panel != nullptr, "the keyboard starts");
    if (!keyboard.panel)
        return;
    const DWORD id = keyboard.program->id();
    // The first change to each size makes the platform load what that size needs once (its fonts), so the
    // counts are taken after the first round of the five.
    int changed = 0;
    int gdiFirst = 0;
    int windowsFirst = 0;
    DWORD start = GetTickCount();
    for (; changed < count; ++changed) {
        if (changed == 5) {
            gdiFirst = gdiObjectCount(id);
            windowsFirst = windowCount(id);
            start = GetTickCount();
        }
        if (!changeSize(keyboard, changed % 5 + 1)) {
            check(false, "size change " + std::to_string(changed + 1) + " of " + std::to_string(count) +
                             ", to " + sizeNames[changed % 5]);
            break;
        }
    }
    const DWORD elapsed = GetTickCount() - start;
    const int gdiLast = gdiObjectCount(id);
    const int windowsLast = windowCount(id);
    printf(
        "size changes: %d of %d, the last %d in %lu ms; GDI objects %d after the first five, %d at the end; "
        "windows %d, %d\n",
        changed, count, changed - 5, elapsed, gdiFirst, gdiLast, windowsFirst, windowsLast);
    if (changed == count && count > 5)
        check(gdiLast <= gdiFirst + gdiNoise && windowsLast == windowsFirst,
              "GDI objects and windows stay the same");
    check(closeKeyboard(*keyboard.program, keyboard.frame) == 0, "the keyboard closes with 0");
}

// A settings file of one of eight kinds; the last kind is a directory in the file's place, given as an empty
// text with the flag set.
std::pair<std::string, bool> generatedSettings(int kind, std::mt19937& random)
{
    const auto pick = [&](std::initializer_list<const char*> choices) {
        return std::string(choices.begin()[random() % choices.size()]);
    };
    const auto key = [&] { return std::string(settingsKeys[random() % std::size(settingsKeys)]); };
    const auto value = [&] {
        return pick({"Y",     "N",           "y",          "Tiny",       "Small", "Medium",
                     "Large", "Huge",        "huge",       "Giant",      "",      "99999999999999999999",
                     "-1",    "-2147483648", "4294967296", "2147483647", "3000",  "-3000",
                     "12abc", " 7 ",         "Hover",      "Scan",       "Enter", "Click",
                     "299",   "5001"});
    };
    std::string text;
    switch (kind) {
    case 0:
        for (unsigned n = random() % 4096; n > 0; --n)
            text += static_cast<char>(random());
        break;
    case 1:
        text = "[Tilfay]\r\n" + key() + "=" + std::string(1000 + random() % 100000, 'W') + "\r\n" +
               std::string(70000, 'L') + "\r\n" + key() + "=" + value() + "\r\n";
        break;
    case 2:
        for (int n = 0; n < 6; ++n)
            text += key() + "=" + value() + "\r\n";
        break;
    case 3:
        for (int n = 0; n < 3; ++n) {
            text += "[Tilfay]\r\n";
            for (int m = 0; m < 4; ++m)
                text += key() + "=" + value() + "\r\n";
        }
        break;
    case 4:
        text = "[Tilfay]\r\n";
        for (const char* name : settingsKeys)
            text += std::string(name) + "=" + value() + "\r\n";
        break;
    case 5:
        text = "[Tilfay]";
        for (size_t n = 0; n < std::size(settingsKeys); ++n)
            text += pick({"\r", "\n", "\r\n", "\n\r", "\r\r\n"}) + key() + "=" + value();
        break;
    case 6: {
        const std::string narrow =
            "[Tilfay]\r\nSize=" + std::string(sizeNames[random() % 5]) + "\r\nPhone=Y\r\n";
        text = "\xFF\xFE";
        for (char c : narrow)
            text += std::string{c, '\0'};
        break;
    }
    default: return {"", true};
    }
    return {text, false};
}

// The panel's size for each of the five sizes, from a start with that size set.
std::set<std::pair<long, long>> panelSizes()
{
    std::set<std::pair<long, long>> sizes;
    for (const char* name : sizeNames) {
        writeSettingsFile(std::string("[Tilfay]\r\nSize=") + name + "\r\n");
        RunningKeyboard keyboard = startKeyboard();
        const RECT r = screenRectOf(keyboard.panel);
        sizes.insert({r.right - r.left, r.bottom - r.top});
        closeKeyboard(*keyboard.program, keyboard.frame);
    }
    return sizes;
}

// Stops at the first file that fails.
void soakSettingsFiles(int count)
{
    const std::set<std::pair<long, long>> sizes = panelSizes();
    check(sizes.size() == 5, "five different panel sizes");
    if (sizes.size() != 5)
        return;
    std::mt19937 random(12);
    int passed = 0;
    const DWORD start = GetTickCount();
    for (; passed < count; ++passed) {
        const int kind = passed % 8;
        const auto [text, directory] = generatedSettings(kind, random);
        deleteSettingsFile();
        if (directory)
            CreateDirectoryA(settingsFilePath().c_str(), nullptr);
        else
            writeSettingsFile(text);
        RunningKeyboard keyboard = startKeyboard();
        const RECT r = screenRectOf(keyboard.panel);
        const bool sized = keyboard.panel && sizes.count({r.right - r.left, r.bottom - r.top}) == 1;
        const DWORD code = keyboard.frame ? closeKeyboard(*keyboard.program, keyboard.frame) : STILL_ACTIVE;
        bool whole = true;
        if (!directory)
            for (const char* name : settingsKeys)
                whole = whole && profileValue(name) != missingValue;
        const std::string what = "settings file " + std::to_string(passed + 1) + " of " +
                                 std::to_string(count) + ", of kind " + std::to_string(kind);
        check(sized, what + ": a panel of one of the five sizes");
        check(code == 0, what + ": exit code 0, not " + std::to_string(code));
        check(whole, what + ": written back whole");
        if (!sized || code != 0 || !whole)
            break;
    }
    deleteSettingsFile();
    printf(
        "settings files: %d of %d started with a panel of one of the five sizes, closed with 0 and written "
        "back whole, in %lu ms\n",
        passed, count, GetTickCount() - start);
}

} // namespace

int main(int argc, char** argv)
{
    // Each part's line shows as it ends, and stays when a long run is stopped.
    setvbuf(stdout, nullptr, _IONBF, 0);
    const int divisor = argc > 1 ? std::max(1, atoi(argv[1])) : 1;
    if (divisor > 1)
        printf("a shortened soak: each count divided by %d\n", divisor);
    parkXPointer();
    soakTaps(fullTaps / divisor);
    if (!failures)
        soakSizeChanges(fullSizeChanges / divisor);
    if (!failures)
        soakSettingsFiles(fullSettingsFiles / divisor);
    printf("%s: %d failures\n", failures ? "FAILED" : "passed", failures);
    return failures ? 1 : 0;
}
