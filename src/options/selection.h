// The options of hands-free selection: the labels of their buttons and the steps of the times.
#pragma once

#include <string>

#include "state/appstate.h"

// The way the button IDC_SELECT_FIRST (which 0) or IDC_SELECT_SECOND (which 1) changes to: one of the two
// that are not the current way, in the order click, hover, scan.
SelectKeys otherWay(SelectKeys current, int which);
const char* wayLabel(SelectKeys way);
// Steps of 100 ms below a second and 250 ms above, within 300 to 5000.
int slowerTime(int milliseconds);
int fasterTime(int milliseconds);
// "Slower (1.0 s)": the word and the time in seconds, with as many decimals as it needs, at least one.
std::string timeLabel(const char* word, int milliseconds);
ScanSwitch nextSwitch(ScanSwitch current);
// Names the switch the button changes to.
const char* switchLabel(ScanSwitch next);
ScanOrderSetting otherScanOrder(ScanOrderSetting current);
// Names the order the button changes to.
const char* scanOrderLabel(ScanOrderSetting next);
