// The times of the latest presses taken by the panel and the strip together. While the user-interface thread
// stalls, the reports of several taps wait behind the direct clicks of the same taps, so the latest time
// alone would take each tap twice.
#include "hook/takenpresses.h"

#include <algorithm>
#include <array>

namespace {

constexpr size_t remembered = 32;

struct TakenPresses {
    std::array<DWORD, remembered> times;
    size_t next;
};

TakenPresses taken;

} // namespace

bool takeNewPress(DWORD pressTime)
{
    if (pressTime == 0)
        return true;
    if (std::find(taken.times.begin(), taken.times.end(), pressTime) != taken.times.end())
        return false;
    taken.times[taken.next] = pressTime;
    taken.next = (taken.next + 1) % remembered;
    return true;
}
