// Tap latency: from a pointer press on a key to the character's arrival in a target of ours, beside the
// same characters typed on a peer keyboard of ours built the way today's on-screen keyboards are (a window
// that is never activated and takes the press itself, peerkeyboard.exe) and sent straight to the same target
// with SendInput, as a hardware keyboard's would arrive. Each is split into stages to show where the time
// goes: the input call returning (for a tap, once the low-level hooks have taken the press), the target's
// WM_KEYDOWN, and its WM_CHAR. Then the keyboard's start-up time to a ready panel and its working set,
// against the peer as a minimal window program built the same way. Each of the three stops at the first
// character that does not arrive as tapped. Then word suggestions: a letter's press to the repainted strip,
// the English list's load and the working set they add. Then hands-free selection: a hover from the rest
// to the character, and the scan's steps, each as a ratio to its set time. An argument sets the taps of each
// kind (500 without).
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "keys/keytables.h"
#include "support/journalfollower.h"
#include "support/keyinput.h"
#include "support/settingsfile.h"
#include "support/tapping.h"
#include "words/pairs.h"
#include "words/wordlist.h"

namespace {

int taps = 500;
constexpr DWORD arrivalWait = 2000;
constexpr DWORD pointerSettle = 20;
const char* const characters = "tilfay";

constexpr RECT peerPlace{0, 300, 520, 360};

// Performance counter values; 0 for a character that did not arrive in time.
struct Arrival {
    long long keyDown = 0;
    long long character = 0;
};

struct Journal {
    JournalFollower follower;
    long long lastKeyDown = 0;

    // Waits for the next character, adding to arrived every character that came in that time; the arrival
    // of the first of them and the key-down that came before it.
    Arrival next(std::string& arrived, DWORD wait = arrivalWait)
    {
        Arrival arrival;
        const size_t before = arrived.size();
        waitUntil(
            [&] {
                for (const JournalLine& line : follower.newLines()) {
                    if (line.kind == "down")
                        lastKeyDown = line.time;
                    if (line.kind != "char")
                        continue;
                    if (arrived.size() == before)
                        arrival = Arrival{lastKeyDown, line.time};
                    arrived += static_cast<char>(line.code);
                }
                return arrived.size() > before;
            },
            wait);
        return arrival;
    }
};

// Before the clock starts, the pointer is put on the key and left there a moment: without that the peer's
// press now and then landed on the key tapped before, as if the pointer had been put back there.
void pointAt(POINT place)
{
    movePointerTo(place);
    pumpFor(pointerSettle);
}

long long now()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

void typeDirectly(char ch)
{
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(ch - 'a' + 'A');
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

struct Figures {
    double median;
    double p99;
};

Figures summarise(std::vector<double> latencies)
{
    std::sort(latencies.begin(), latencies.end());
    if (latencies.empty())
        return Figures{0, 0};
    return Figures{latencies[latencies.size() / 2], latencies[(latencies.size() * 99) / 100]};
}

// lost counts the taps without a measured arrival: the first that failed and those never made after it.
struct Stages {
    std::vector<double> taken;
    std::vector<double> keyDown;
    std::vector<double> character;
    int lost = 0;
};

// prepare runs before the clock starts (moving the pointer to the key); send after it, returning the
// counter at which the platform had taken the input.
template <typename Prepare, typename Send>
Stages measure(const char* name, Journal& journal, Prepare prepare, Send send, double ticksPerMs)
{
    Stages stages;
    std::string expected, arrived;
    for (int i = 0; i < taps && arrived == expected; ++i) {
        const char ch = characters[i % 6];
        prepare(ch);
        const long long sent = now();
        const long long taken = send(ch);
        expected += ch;
        const Arrival arrival = journal.next(arrived);
        if (arrived != expected)
            break;
        stages.taken.push_back((taken - sent) / ticksPerMs);
        stages.keyDown.push_back((arrival.keyDown - sent) / ticksPerMs);
        stages.character.push_back((arrival.character - sent) / ticksPerMs);
    }
    // A character that arrives twice after the last tap.
    if (arrived == expected)
        journal.next(arrived, 100);
    const std::string fault = firstFault(expected, arrived, taps, journal.follower);
    if (!fault.empty()) {
        fprintf(stderr, "%s: %s\n", name, fault.c_str());
        stages.lost = taps - static_cast<int>(stages.character.size());
    }
    return stages;
}

void print(const char* name, const Stages& stages)
{
    const Figures taken = summarise(stages.taken);
    const Figures keyDown = summarise(stages.keyDown);
    const Figures character = summarise(stages.character);
    printf("  %-12s : %6.2f %6.2f   %6.2f %6.2f   %6.2f %6.2f   %d\n", name, taken.median, taken.p99,
           keyDown.median, keyDown.p99, character.median, character.p99, stages.lost);
}

double millisecondsSince(long long start, double ticksPerMs)
{
    return (now() - start) / ticksPerMs;
}

double workingSetMegabytes(DWORD processId)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    CloseHandle(process);
    return counters.WorkingSetSize / (1024.0 * 1024.0);
}

std::string placeArguments(const RECT& r)
{
    return std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' + std::to_string(r.right - r.left) +
           ' ' + std::to_string(r.bottom - r.top);
}

// Word suggestions: the strip's cells are the window text of the strip, set right before it is repainted.
std::string stripCells(HWND strip)
{
    char text[512] = "";
    GetWindowTextA(strip, text, sizeof text);
    return text;
}

// The counter when the strip's cells change from the text they held, or 0.
long long stripChange(HWND strip, const std::string& before, double ticksPerMs)
{
    const long long deadline = now() + static_cast<long long>(arrivalWait * ticksPerMs);
    while (now() < deadline)
        if (stripCells(strip) != before)
            return now();
    return 0;
}

// The keyboard started with suggestions on or off and typing into the recorder, and its working set once
// it has typed the same words and offered words for them.
RunningKeyboard startTypingKeyboard(bool suggestions, const KeyRecorder& recorder, Journal& journal)
{
    // Without suggestions the keyboard writes no strokes either, so that it uses no words at all.
    writeSettingsFile(std::string("[Tilfay]\r\nWord Suggestions=") +
                      (suggestions ? "Y" : "N\r\nShape Writing=N") + "\r\n");
    RunningKeyboard keyboard = startKeyboard();
    if (keyboard.panel) {
        focusRecorderByClick(recorder);
        pumpFor(300);
        journal.follower.newLines();
    }
    return keyboard;
}

double workingSetAfterTyping(const RunningKeyboard& keyboard, Journal& journal)
{
    std::string arrived;
    for (const char* ch = "the this that which where when "; *ch; ++ch) {
        tapKey(keyboard.panel, keyForCharacter(*ch));
        journal.next(arrived);
    }
    pumpFor(500);
    return workingSetMegabytes(keyboard.program->id());
}

struct SuggestionFigures {
    std::vector<double> repainted;
    std::vector<double> character;
    int lost = 0;
};

// Letters alternate t and h, with a comma after each h, so that every letter changes the offered words (after
// a space the next word would be offered, and the "th" of its t-words could stand there already).
SuggestionFigures measureStrip(const RunningKeyboard& keyboard, HWND strip, Journal& journal,
                               double ticksPerMs)
{
    SuggestionFigures figures;
    std::string arrived;
    tapKey(keyboard.panel, keyForCharacter(','));
    journal.next(arrived);
    for (int i = 0; i < taps; ++i) {
        const char letter = i % 2 ? 'h' : 't';
        pointAt(centreOf(GetDlgItem(keyboard.panel, keyForCharacter(letter))));
        const std::string before = stripCells(strip);
        const long long sent = now();
        pressLeftButton();
        const long long changed = stripChange(strip, before, ticksPerMs);
        releaseLeftButton();
        const Arrival arrival = journal.next(arrived);
        if (!changed || !arrival.character) {
            ++figures.lost;
            continue;
        }
        figures.repainted.push_back((changed - sent) / ticksPerMs);
        figures.character.push_back((arrival.character - sent) / ticksPerMs);
        if (letter == 'h') {
            tapKey(keyboard.panel, keyForCharacter(','));
            journal.next(arrived);
        }
    }
    return figures;
}

double medianListLoad(double ticksPerMs)
{
    std::vector<double> loads;
    for (int i = 0; i < 5; ++i) {
        const long long start = now();
        const WordList list = loadWordList(binDirectory() + "\\words\\en.txt");
        loads.push_back(wordCount(list) ? millisecondsSince(start, ticksPerMs) : 0);
    }
    return summarise(loads).median;
}

double medianPairTableLoad(double ticksPerMs)
{
    std::vector<double> loads;
    for (int i = 0; i < 5; ++i) {
        const long long start = now();
        const PairTable pairs = loadPairTable(binDirectory() + "\\words\\en-pairs.txt");
        loads.push_back(pairs.lineStart.empty() ? 0 : millisecondsSince(start, ticksPerMs));
    }
    return summarise(loads).median;
}

// Run with no other keyboard of ours running. True when every letter changed the strip and arrived.
bool benchSuggestions(const KeyRecorder& recorder, Journal& journal, double ticksPerMs)
{
    const double load = medianListLoad(ticksPerMs);
    const double pairsLoad = medianPairTableLoad(ticksPerMs);
    RunningKeyboard plain = startTypingKeyboard(false, recorder, journal);
    if (!plain.panel)
        return false;
    const double plainMemory = workingSetAfterTyping(plain, journal);
    plain.program->end();
    RunningKeyboard keyboard = startTypingKeyboard(true, recorder, journal);
    HWND strip = keyboard.frame ? FindWindowExA(keyboard.frame, nullptr, "TilfayStrip", nullptr) : nullptr;
    if (!strip) {
        fprintf(stderr, "the keyboard started with no suggestion strip\n");
        return false;
    }
    const double memory = workingSetAfterTyping(keyboard, journal);
    const SuggestionFigures figures = measureStrip(keyboard, strip, journal, ticksPerMs);
    const Figures repainted = summarise(figures.repainted);
    const Figures character = summarise(figures.character);
    printf("word suggestions, %d letters, milliseconds from the press, median and p99\n", taps);
    printf("  strip repainted       : %6.2f %6.2f\n", repainted.median, repainted.p99);
    printf("  the letter's WM_CHAR  : %6.2f %6.2f (goal: the strip's median within 5 ms of it)\n",
           character.median, character.p99);
    printf("  lost                  : %d\n", figures.lost);
    printf("English list loaded     : %.1f ms, median of 5 (goal: 30 ms or less)\n", load);
    printf("English pairs loaded    : %.1f ms, median of 5 (goal: 100 ms or less)\n", pairsLoad);
    printf("working set after typing: %.1f MB with suggestions, %.1f MB without, %.1f MB more (goal: 3 MB or "
           "less)\n",
           memory, plainMemory, memory - plainMemory);
    return figures.lost == 0 && load > 0;
}

constexpr int handsFreeTime = 600;

RunningKeyboard startHandsFree(const std::string& settings, const KeyRecorder& recorder, Journal& journal)
{
    writeSettingsFile("[Tilfay]\r\n" + settings);
    RunningKeyboard keyboard = startKeyboard();
    if (keyboard.panel) {
        focusRecorderByClick(recorder);
        pumpFor(300);
        journal.follower.newLines();
    }
    return keyboard;
}

// The X server moves the pointer onto each letter in turn; the clock starts once Wine's cursor is there.
std::vector<double> hoverRests(const RunningKeyboard& keyboard, Journal& journal, int rests,
                               double ticksPerMs)
{
    std::vector<double> ratios;
    for (int i = 0; i < rests; ++i) {
        const char ch = characters[i % 6];
        moveXPointerTo(centreOf(GetDlgItem(keyboard.panel, keyForCharacter(ch))));
        const long long rest = now();
        std::string arrived;
        const Arrival arrival = journal.next(arrived, 3 * handsFreeTime);
        if (arrived != std::string(1, ch) || !arrival.character)
            break;
        ratios.push_back((arrival.character - rest) / ticksPerMs / handsFreeTime);
    }
    return ratios;
}

struct OverlayPlaces {
    DWORD processId;
    std::string places;
};

BOOL CALLBACK addOverlayPlace(HWND window, LPARAM found)
{
    auto* overlay = reinterpret_cast<OverlayPlaces*>(found);
    char name[32] = {};
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != overlay->processId || !IsWindowVisible(window) ||
        !GetClassNameA(window, name, sizeof name) || std::string(name) != "TilfayOverlay")
        return TRUE;
    RECT r;
    GetWindowRect(window, &r);
    overlay->places +=
        std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + ";";
    return TRUE;
}

std::string highlightPlace(DWORD processId)
{
    OverlayPlaces overlay{processId, ""};
    EnumWindows(addOverlayPlace, reinterpret_cast<LPARAM>(&overlay));
    return overlay.places;
}

// One press of the switch starts the scan; each move of the highlight after the first is a step.
std::vector<double> scanSteps(const RunningKeyboard& keyboard, int steps, double ticksPerMs)
{
    std::vector<double> ratios;
    const DWORD id = keyboard.program->id();
    pressKey(VK_SPACE);
    std::string place = highlightPlace(id);
    long long moved = 0;
    while (static_cast<int>(ratios.size()) < steps) {
        std::string next;
        if (!waitUntil([&] { return (next = highlightPlace(id)) != place; }, 3 * handsFreeTime) ||
            next.empty())
            break;
        const long long at = now();
        if (moved)
            ratios.push_back((at - moved) / ticksPerMs / handsFreeTime);
        moved = at;
        place = next;
    }
    return ratios;
}

bool benchHandsFree(const KeyRecorder& recorder, Journal& journal, double ticksPerMs)
{
    const int count = std::clamp(taps / 4, 3, 30);
    RunningKeyboard hovering = startHandsFree("Select Keys=Hover\r\nHover Time=600\r\n", recorder, journal);
    const std::vector<double> rests =
        hovering.panel ? hoverRests(hovering, journal, count, ticksPerMs) : std::vector<double>{};
    if (hovering.program)
        hovering.program->end();
    moveXPointerTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, 0});
    RunningKeyboard scanning = startHandsFree("Select Keys=Scan\r\nScan Time=600\r\n", recorder, journal);
    // Two rounds of the medium panel's rows make ten steps before the scan rests.
    const std::vector<double> steps =
        scanning.panel ? scanSteps(scanning, std::min(count, 8), ticksPerMs) : std::vector<double>{};
    if (scanning.program)
        scanning.program->end();
    const Figures hover = summarise(rests);
    const Figures step = summarise(steps);
    printf("hands-free selection, as a ratio to the set time of %d ms, median and p99\n", handsFreeTime);
    printf("  hover rest to the character : median %.2f  p99 %.2f (%zu of %d rests; goal: median within 10 "
           "%%)\n",
           hover.median, hover.p99, rests.size(), count);
    printf("  scan step                   : median %.2f  p99 %.2f (%zu of %d steps; goal: median within 10 "
           "%%)\n",
           step.median, step.p99, steps.size(), std::min(count, 8));
    return static_cast<int>(rests.size()) == count && static_cast<int>(steps.size()) == std::min(count, 8);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        taps = std::max(1, atoi(argv[1]));
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const double ticksPerMs = frequency.QuadPart / 1000.0;

    // The peer is measured before the keyboard starts, so that its presses pass no hook of ours.
    const KeyRecorder recorder = startKeyRecorder();
    long long start = now();
    Program peer('"' + testsDirectory() + "\\peerkeyboard.exe\" " + placeArguments(peerPlace));
    HWND peerWindow = waitForWindow(peer.id(), "PeerKeyboard", nullptr, longWait);
    const bool peerReady = peerWindow && peer.waitForInputIdle(longWait);
    const double peerStart = millisecondsSince(start, ticksPerMs);
    if (!recorder.window || !peerReady) {
        fprintf(stderr, "the recorder or the peer did not start\n");
        return 1;
    }
    const double peerMemory = workingSetMegabytes(peer.id());
    Journal journal{JournalFollower(recorder.journal)};
    focusRecorderByClick(recorder);
    pumpFor(300);
    journal.follower.newLines();
    const auto pointAtPeerKey = [&](char ch) {
        RECT r;
        GetWindowRect(peerWindow, &r);
        const int keyWidth = (r.right - r.left) / 26;
        pointAt(POINT{r.left + 1 + (ch - 'a') * keyWidth + keyWidth / 2, (r.top + r.bottom) / 2});
    };
    // SendInput returns once the low-level hooks have had the press.
    const auto tap = [](char) {
        pressLeftButton();
        const long long taken = now();
        pumpFor(1);
        releaseLeftButton();
        return taken;
    };
    const auto sendDirectly = [](char ch) {
        typeDirectly(ch);
        return now();
    };
    const Stages peerTapped = measure("peer tap", journal, pointAtPeerKey, tap, ticksPerMs);

    start = now();
    RunningKeyboard keyboard = startKeyboard();
    const double keyboardStart = millisecondsSince(start, ticksPerMs);
    if (!keyboard.panel) {
        fprintf(stderr, "the keyboard did not start\n");
        return 1;
    }
    const double keyboardMemory = workingSetMegabytes(keyboard.program->id());
    // The keyboard took the activation as it started.
    focusRecorderByClick(recorder);
    pumpFor(300);
    journal.follower.newLines();
    const auto pointAtKey = [&](char ch) {
        pointAt(centreOf(GetDlgItem(keyboard.panel, keyForCharacter(ch))));
    };
    const Stages tapped = measure("keyboard tap", journal, pointAtKey, tap, ticksPerMs);
    const Stages direct = measure(
        "SendInput", journal, [](char) {}, sendDirectly, ticksPerMs);

    printf("%d taps each, milliseconds from the press (or the SendInput call), median and p99\n", taps);
    printf("  %-12s   %-16s%-16s%-16s%s\n", "", "input taken", "WM_KEYDOWN", "WM_CHAR", "lost");
    print("keyboard tap", tapped);
    print("peer tap", peerTapped);
    print("SendInput", direct);
    const Figures tappedChar = summarise(tapped.character);
    const Figures peerChar = summarise(peerTapped.character);
    const Figures directChar = summarise(direct.character);
    printf("  ratio to the peer     : median %.2f  p99 %.2f (WM_CHAR; goal at most 1.2)\n",
           tappedChar.median / peerChar.median, tappedChar.p99 / peerChar.p99);
    printf("  ratio to SendInput    : median %.2f  p99 %.2f (WM_CHAR)\n",
           tappedChar.median / directChar.median, tappedChar.p99 / directChar.p99);
    printf("start-up to a ready window: keyboard %.0f ms, peer %.0f ms, ratio %.2f\n", keyboardStart,
           peerStart, keyboardStart / peerStart);
    printf("working set when ready    : keyboard %.1f MB, peer %.1f MB, ratio %.2f\n", keyboardMemory,
           peerMemory, keyboardMemory / peerMemory);
    keyboard.program->end();
    const bool suggested = benchSuggestions(recorder, journal, ticksPerMs);
    const bool handsFree = benchHandsFree(recorder, journal, ticksPerMs);
    return tapped.lost == 0 && peerTapped.lost == 0 && direct.lost == 0 && suggested && handsFree ? 0 : 1;
}
