// The decisions of hands-free selection on times alone: when a rest presses and when a visit ends.
#include <gtest/gtest.h>

#include <string>

#include "access/dwell.h"
#include "access/scanorder.h"

namespace {

HWND const panel = reinterpret_cast<HWND>(0x100);
HWND const strip = reinterpret_cast<HWND>(0x200);
const HoverTarget keyA{PartKind::key, panel, 30};
const HoverTarget keyB{PartKind::key, panel, 31};
const HoverTarget cell2{PartKind::cell, strip, 2};
const HoverTarget gap{PartKind::nothing, panel, 0};
const HoverTarget away{PartKind::away, nullptr, 0};

const char* actName(HoverAct act)
{
    return act == HoverAct::press ? "press" : act == HoverAct::leave ? "leave" : "wait";
}

} // namespace

TEST(HoverRest, PressesOnceAfterAFullRestAndEndsTheVisitWhereverThePointerGoes)
{
    struct Case {
        Visit visit;
        HoverTarget now;
        DWORD time;
        DWORD hoverTime;
        HoverAct act;
        int fill;
    };
    const Case cases[] = {
        {{keyA, 1000, false, false, 0}, keyA, 1000, 600, HoverAct::wait, 0},
        {{keyA, 1000, false, false, 0}, keyA, 1099, 600, HoverAct::wait, 0},
        {{keyA, 1000, false, false, 0}, keyA, 1350, 600, HoverAct::wait, 58},
        {{keyA, 1000, false, false, 0}, keyA, 1599, 600, HoverAct::wait, 99},
        {{keyA, 1000, false, false, 0}, keyA, 1600, 600, HoverAct::press, 0},
        {{keyA, 1000, false, false, 0}, keyA, 9000, 600, HoverAct::press, 0},
        // Once a visit, however long the rest.
        {{keyA, 1000, true, false, 0}, keyA, 1600, 600, HoverAct::wait, 0},
        {{keyA, 1000, true, false, 0}, keyA, 60000, 600, HoverAct::wait, 0},
        // Another key, a gap between keys or leaving the keyboard ends the visit.
        {{keyA, 1000, false, false, 0}, keyB, 1599, 600, HoverAct::leave, 0},
        {{keyA, 1000, true, false, 0}, keyB, 1700, 600, HoverAct::leave, 0},
        {{keyA, 1000, false, false, 0}, gap, 1200, 600, HoverAct::leave, 0},
        {{keyA, 1000, false, false, 0}, away, 1200, 600, HoverAct::leave, 0},
        // Nothing to press in a gap, however long.
        {{gap, 1000, false, false, 0}, gap, 9000, 600, HoverAct::wait, 0},
        {{away, 1000, false, false, 0}, away, 9000, 600, HoverAct::wait, 0},
        {{cell2, 1000, false, false, 0}, cell2, 5999, 5000, HoverAct::wait, 99},
        {{cell2, 1000, false, false, 0}, cell2, 6000, 5000, HoverAct::press, 0},
        // The tick count wraps after 49.7 days.
        {{keyA, 0xFFFFFF00, false, false, 0}, keyA, 0x00000158, 600, HoverAct::press, 0},
        {{keyA, 0xFFFFFF00, false, false, 0}, keyA, 0x00000100, 600, HoverAct::wait, 85},
        // A visit that began under a still pointer (a box opened there) never presses by itself.
        {{keyA, 1000, true, false, 0}, keyA, 9000, 600, HoverAct::wait, 0},
    };
    for (const Case& c : cases) {
        const HoverStep step = nextHoverStep(c.visit, c.now, c.time, c.hoverTime);
        EXPECT_STREQ(actName(step.act), actName(c.act)) << c.visit.since << " to " << c.time;
        EXPECT_EQ(step.fill, c.fill) << c.visit.since << " to " << c.time;
    }
}

TEST(ScanOrder, GroupsThenKeysTwoRoundsEachAndAPressStartsAgainAtTheTop)
{
    using L = ScanLevel;
    struct Case {
        ScanState state;
        int groups, items;
        ScanState next;
    };
    // Five groups; the highlighted one has three keys.
    const Case steps[] = {
        {{L::groups, 0, 0, 1}, 5, 3, {L::groups, 1, 0, 2}},
        {{L::groups, 4, 0, 5}, 5, 3, {L::groups, 0, 0, 6}},
        {{L::groups, 4, 0, 9}, 5, 3, {L::groups, 0, 0, 10}},
        {{L::groups, 4, 0, 10}, 5, 3, {L::resting, 0, 0, 0}},
        {{L::items, 2, 0, 1}, 5, 3, {L::items, 2, 1, 2}},
        {{L::items, 2, 2, 3}, 5, 3, {L::items, 2, 0, 4}},
        {{L::items, 2, 2, 6}, 5, 3, {L::groups, 0, 0, 1}},
        {{L::resting, 0, 0, 0}, 5, 3, {L::resting, 0, 0, 0}},
        {{L::groups, 0, 0, 1}, 0, 0, {L::resting, 0, 0, 0}},
        // A dialog's buttons: one group of 21.
        {{L::items, 0, 20, 21}, 1, 21, {L::items, 0, 0, 22}},
        {{L::items, 0, 20, 42}, 1, 21, {L::resting, 0, 0, 0}},
    };
    const auto text = [](const ScanState& s) {
        return std::to_string(int(s.level)) + "/" + std::to_string(s.group) + "/" + std::to_string(s.item) +
               "/" + std::to_string(s.shown);
    };
    for (const Case& c : steps)
        EXPECT_EQ(text(nextScanStep(c.state, c.groups, c.items, true)), text(c.next)) << text(c.state);
    const Case presses[] = {
        {{L::resting, 0, 0, 0}, 5, 0, {L::groups, 0, 0, 1}},
        {{L::groups, 3, 0, 7}, 5, 0, {L::items, 3, 0, 1}},
        {{L::items, 3, 2, 4}, 5, 0, {L::groups, 0, 0, 1}},
        {{L::resting, 0, 0, 0}, 0, 0, {L::resting, 0, 0, 0}},
        {{L::resting, 0, 0, 0}, 1, 0, {L::items, 0, 0, 1}},
        {{L::items, 0, 5, 9}, 1, 0, {L::items, 0, 0, 1}},
    };
    for (const Case& c : presses)
        EXPECT_EQ(text(scanAfterPress(c.state, c.groups, true)), text(c.next)) << text(c.state);

    // Minimised or hidden, nothing is scanned, and the first press only brings the keyboard back, at the top.
    struct Hidden {
        ScanState state;
        int groups;
        bool shown;
        bool presses;
        ScanState afterPress;
        ScanState afterStep;
    };
    const Hidden hidden[] = {
        {{L::items, 2, 1, 3}, 5, false, false, {L::groups, 0, 0, 1}, {L::resting, 0, 0, 0}},
        {{L::groups, 3, 0, 5}, 5, false, false, {L::groups, 0, 0, 1}, {L::resting, 0, 0, 0}},
        {{L::resting, 0, 0, 0}, 5, false, false, {L::groups, 0, 0, 1}, {L::resting, 0, 0, 0}},
        {{L::items, 0, 3, 3}, 1, false, false, {L::items, 0, 0, 1}, {L::resting, 0, 0, 0}},
        {{L::items, 2, 1, 3}, 5, true, true, {L::groups, 0, 0, 1}, {L::items, 2, 2, 4}},
    };
    for (const Hidden& c : hidden) {
        SCOPED_TRACE(text(c.state) + (c.shown ? " shown" : " minimised"));
        EXPECT_EQ(pressesItem(c.state, c.shown), c.presses);
        EXPECT_EQ(text(scanAfterPress(c.state, c.groups, c.shown)), text(c.afterPress));
        EXPECT_EQ(text(nextScanStep(c.state, c.groups, 4, c.shown)), text(c.afterStep));
    }
}
