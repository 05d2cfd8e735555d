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

const LineCase lineCases[] = {
    {"down 54/0014 24517739061\n", true, {"down", 0x54, 0x14, 24517739061}},
    {"char 74/0014 24517739104\n", true, {"char", 0x74, 0x14, 24517739104}},
    {"up 54/0014 24517739533\n", true, {"up", 0x54, 0x14, 24517739533}},
    {"down 2E/E053 24518001277\n", true, {"down", 0x2E, 0xE053, 24518001277}},
    {"sysdown 12/0038 24518102960\n", true, {"sysdown", 0x12, 0x38, 24518102960}},
    {"sysup 12/0038 24518103412\n", true, {"sysup", 0x12, 0x38, 24518103412}},
    {"sleep 00/0000 24519000001\n", true, {"sleep", 0, 0, 24519000001}},
    {"char 0D/001C 24519100002\r\n", true, {"char", 0x0D, 0x1C, 24519100002}},
    // The shape before the scan code was recorded, and lines cut short or run on.
    {"down 54 24517739061\n", false, {}},
    {"down 54/0014\n", false, {}},
    {"down 54/0014 24517739061 7\n", false, {}},
    {"down /0014 24517739061\n", false, {}},
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
