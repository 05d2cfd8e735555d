// The one reader of keyrecorder.exe's journal line, on lines the recorder wrote; a line of another shape is
// refused, never read wrongly, so that the bench, the soak and the sessions all notice a change of it.
#include <gtest/gtest.h>

#include "support/journalfollower.h"

namespace {

struct LineCase {
    const char* text;
    bool read;
    JournalLine line;
};

// Lines as the recorder wrote them: a tap on the keyboard's t, the peer keyboard's (which sends no scan
// code), alt+a, two extended keys and enter.
const LineCase lineCases[] = {
    {"down 54/0014 16301495882\n", true, {"down", 0x54, 0x14, 16301495882}},
    {"char 74/0014 16301498383\n", true, {"char", 0x74, 0x14, 16301498383}},
    {"up 54/0014 16301513670\n", true, {"up", 0x54, 0x14, 16301513670}},
    {"down 54/0000 16259532657\n", true, {"down", 0x54, 0, 16259532657}},
    {"sysdown 12/0038 17085921614\n", true, {"sysdown", 0x12, 0x38, 17085921614}},
    {"sysdown 41/001E 17085939741\n", true, {"sysdown", 0x41, 0x1E, 17085939741}},
    {"sysup 41/001E 17086010504\n", true, {"sysup", 0x41, 0x1E, 17086010504}},
    {"up 12/0038 17086030810\n", true, {"up", 0x12, 0x38, 17086030810}},
    {"down 2E/E053 17333743603\n", true, {"down", 0x2E, 0xE053, 17333743603}},
    {"up 25/E04B 17335137330\n", true, {"up", 0x25, 0xE04B, 17335137330}},
    {"char 0D/001C 17238917212\n", true, {"char", 0x0D, 0x1C, 17238917212}},
    // The shape before the scan code was recorded, and lines cut short or run on.
    {"down 54 14934635533\n", false, {}},
    {"down 54/0014\n", false, {}},
    {"down 54/0014 16301495882 7\n", false, {}},
    {"down /0014 16301495882\n", false, {}},
    {"\n", false, {}},
};

TEST(JournalLine, ReadsTheRecordersLinesAndRefusesOthers)
{
    for (const LineCase& c : lineCases) {
        JournalLine line;
        ASSERT_EQ(readJournalLine(c.text, line), c.read) << c.text;
        if (!c.read)
            continue;
        EXPECT_EQ(line.kind, c.line.kind) << c.text;
        EXPECT_EQ(line.code, c.line.code) << c.text;
        EXPECT_EQ(line.scanCode, c.line.scanCode) << c.text;
        EXPECT_EQ(line.time, c.line.time) << c.text;
    }
}

} // namespace
