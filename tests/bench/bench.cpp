// Tap latency: from a pointer press on a key to the character's arrival in a target of ours, beside the
// same characters sent straight to the same target with SendInput, as a hardware keyboard's would arrive.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "panel/keytables.h"
#include "support/tapping.h"

namespace
{

constexpr int taps = 500;
constexpr DWORD arrivalWait = 2000;
const char* const characters = "tilfay";

struct Journal {
    std::string path;
    size_t charsSeen = 0;

    // The performance counter at which the next character arrived, or 0 when none did in time.
    long long nextCharTime()
    {
        long long time = 0;
        waitUntil([&] { return (time = charTime(charsSeen)) != 0; }, arrivalWait);
        if (time)
            ++charsSeen;
        return time;
    }

    long long charTime(size_t index) const
    {
        std::ifstream in(path);
        std::string kind, code;
        long long time = 0;
        size_t seen = 0;
        while (in >> kind >> code >> time)
            if (kind == "char" && seen++ == index)
                return time;
        return 0;
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
    int lost;
};

Figures summarise(std::vector<double> latencies, int lost)
{
    std::sort(latencies.begin(), latencies.end());
    if (latencies.empty())
        return Figures{0, 0, lost};
    return Figures{latencies[latencies.size() / 2], latencies[(latencies.size() * 99) / 100], lost};
}

// prepare runs before the clock starts (moving the pointer to the key), send after it.
template <typename Prepare, typename Send>
Figures measure(Journal& journal, Prepare prepare, Send send, double ticksPerMs)
{
    std::vector<double> latencies;
    int lost = 0;
    for (int i = 0; i < taps; ++i) {
        prepare(characters[i % 6]);
        const long long sent = now();
        send(characters[i % 6]);
        const long long arrived = journal.nextCharTime();
        if (arrived)
            latencies.push_back((arrived - sent) / ticksPerMs);
        else
            ++lost;
    }
    return summarise(latencies, lost);
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
    const auto tap = [](char) {
        pressLeftButton();
        pumpFor(1);
        releaseLeftButton();
    };
    const Figures tapped = measure(journal, pointAtKey, tap, ticksPerMs);
    const Figures direct = measure(
        journal, [](char) {}, typeDirectly, ticksPerMs);

    printf("%d taps each, milliseconds from press to WM_CHAR in the target\n", taps);
    printf("  keyboard tap : median %.2f  p99 %.2f  lost %d\n", tapped.median, tapped.p99, tapped.lost);
    printf("  SendInput    : median %.2f  p99 %.2f  lost %d\n", direct.median, direct.p99, direct.lost);
    printf("  ratio        : median %.2f  p99 %.2f\n", tapped.median / direct.median,
           tapped.p99 / direct.p99);
    return tapped.lost == 0 ? 0 : 1;
}
