// Labels and time steps of the hands-free options.
#include "options/selection.h"

#include <algorithm>

namespace {

constexpr int second = 1000;

} // namespace

SelectKeys otherWay(SelectKeys current, int which)
{
    const int first = current == selectByClick ? selectByHover : selectByClick;
    const int second = current == selectByScan ? selectByHover : selectByScan;
    return static_cast<SelectKeys>(which == 0 ? first : second);
}

const char* wayLabel(SelectKeys way)
{
    switch (way) {
    case selectByHover: return "Hover Over Keys";
    case selectByScan: return "Scan Through Keys";
    default: return "Click On Keys";
    }
}

int slowerTime(int milliseconds)
{
    return milliseconds < second ? std::min(second, milliseconds + 100)
                                 : std::min(longestSelectionTime, milliseconds + 250);
}

int fasterTime(int milliseconds)
{
    return milliseconds > second ? std::max(second, milliseconds - 250)
                                 : std::max(shortestSelectionTime, milliseconds - 100);
}

std::string timeLabel(const char* word, int milliseconds)
{
    std::string fraction = std::to_string(milliseconds % second + second).substr(1);
    while (fraction.size() > 1 && fraction.back() == '0')
        fraction.pop_back();
    return std::string(word) + " (" + std::to_string(milliseconds / second) + "." + fraction + " s)";
}

ScanSwitch nextSwitch(ScanSwitch current)
{
    return static_cast<ScanSwitch>((current + 1) % 3);
}

const char* switchLabel(ScanSwitch next)
{
    switch (next) {
    case switchEnter: return "Switch: Enter";
    case switchClick: return "Switch: Click";
    default: return "Switch: Space";
    }
}

ScanOrderSetting otherScanOrder(ScanOrderSetting current)
{
    return current == scanByRows ? scanPredictive : scanByRows;
}

const char* scanOrderLabel(ScanOrderSetting next)
{
    return next == scanByRows ? "Order: Rows" : "Order: Predictive";
}
