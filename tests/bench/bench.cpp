// Tap latency: from a pointer press on a key to the character's arrival in a target of ours, beside the
// same characters sent straight to the same target with SendInput, as a hardware keyboard's would arrive.
// Each is split into stages to show where the time goes: the input call returning (for a tap, once the
// keyboard's pointer hook has taken the press), the target's WM_KEYDOWN, and its WM_CHAR.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "panel/keytables.h"
#include "support/tapping.h"

namespace {

constexpr int taps = 500;
constexpr DWORD arrivalWait = 2000;
const char* const characters = "tilfay";

// Performance counter values; 0 for a character that did not arrive in time.
struct Arrival {
    long long keyDown = 0;
    long long character = 0;
};

struct Journal {
    std::string path;
    size_t charsSeen = 0;

    Arrival next()
    {
        Arrival arrival;
        waitUntil([&] { return (arrival = arrivalOf(charsSeen)).character != 0; }, arrivalWait);
        if (arrival.character)
            ++charsSeen;
        return arrival;
    }

    // The character with this index and the key-down that came before it.
    Arrival arrivalOf(size_t index) const
    {
        std::ifstream in(path);
        std::string kind, code;
        long long time = 0;
        long long lastKeyDown = 0;
        size_t seen = 0;
        while (in >> kind >> code >> time) {
            if (kind == "down")
                lastKeyDown = time;
            if (kind == "char" && seen++ == index)
                return Arrival{lastKeyDown, time};
        }
        return Arrival{};
    }
};

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

struct Stages {
    std::vector<double> taken;
    std::vector<double> keyDown;
    std::vector<double> character;
    int lost = 0;
};

// prepare runs before the clock starts (moving the pointer to the key); send after it, returning the
// counter at which the platform had taken the input.
template <typename Prepare, typename Send>
Stages measure(Journal& journal, Prepare prepare, Send send, double ticksPerMs)
{
    Stages stages;
    for (int i = 0; i < taps; ++i) {
        prepare(characters[i % 6]);
        const long long sent = now();
        const long long taken = send(characters[i % 6]);
        const Arrival arrival = journal.next();
        if (!arrival.character) {
            ++stages.lost;
            continue;
        }
        stages.taken.push_back((taken - sent) / ticksPerMs);
        stages.keyDown.push_back((arrival.keyDown - sent) / ticksPerMs);
        stages.character.push_back((arrival.character - sent) / ticksPerMs);
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

} // namespace

int main()
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const double ticksPerMs = frequency.QuadPart / 1000.0;

    const KeyRecorder recorder = startKeyRecorder();
    RunningKeyboard keyboard = startKeyboard();
    if (!recorder.window || !keyboard.panel) {
        fprintf(stderr, "the recorder or the keyboard did not start\n");
        return 1;
    }
    Journal journal{recorder.journal};
    focusRecorderByClick(recorder);
    pumpFor(300);

    const auto pointAtKey = [&](char ch) {
        const POINT centre = centreOf(GetDlgItem(keyboard.panel, keyForCharacter(ch)));
        movePointerTo(centre);
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
    const Stages tapped = measure(journal, pointAtKey, tap, ticksPerMs);
    const Stages direct = measure(
        journal, [](char) {}, sendDirectly, ticksPerMs);

    printf("%d taps each, milliseconds from the press (or the SendInput call), median and p99\n", taps);
    printf("  %-12s   %-16s%-16s%-16s%s\n", "", "input taken", "WM_KEYDOWN", "WM_CHAR", "lost");
    print("keyboard tap", tapped);
    print("SendInput", direct);
    const Figures tappedChar = summarise(tapped.character);
    const Figures directChar = summarise(direct.character);
    printf("  ratio        : median %.2f  p99 %.2f (WM_CHAR)\n", tappedChar.median / directChar.median,
           tappedChar.p99 / directChar.p99);
    return tapped.lost == 0 ? 0 : 1;
}
