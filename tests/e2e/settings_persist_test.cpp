// The real keyboard keeps its settings in the user's own "Tilfay.ini": read at start, written only when it
// closes. A "Tilfay.ini" in the Windows directory gives the starting values and is never written.
#include <gtest/gtest.h>

#include "support/keyboard.h"
#include "support/settingsfile.h"
#include "support/winprocess.h"

namespace {

// clang-format off
const std::vector<SettingsEntry> defaultFile = {
    {"Parking X", "3000"},   {"Parking Y", "3000"},      {"Numbers", "Y"},          {"Phone", "N"},
    {"Function keys", "N"},  {"Hardware Keyboard", "N"}, {"Size", "Medium"},        {"Closing allowed", "N"},
    {"Switch allowed", "N"}, {"Key Repeat", "Y"},        {"Word Suggestions", "N"}, {"Click Sound", "N"},
    {"Fade", "N"},           {"Position X", ""},         {"Position Y", ""},        {"Select Keys", "Click"},
    {"Hover Time", "1000"},  {"Scan Time", "1000"},      {"Scan Switch", "Space"},  {"Colors", "Standard"},
    {"Shape Writing", "Y"},  {"Scan Order", "Predictive"},
};
// clang-format on

std::string valueOf(const std::vector<SettingsEntry>& entries, const std::string& key)
{
    for (const auto& entry : entries)
        if (lstrcmpiA(entry.first.c_str(), key.c_str()) == 0)
            return entry.second;
    return missingValue;
}

class SettingsPersistence : public ::testing::Test {
protected:
    void SetUp() override
    {
        deleteSettingsFile();
    }
    void TearDown() override
    {
        deleteSettingsFile();
    }
};

} // namespace

TEST_F(SettingsPersistence, ClosingAKeyboardStartedWithoutAFileWritesEveryDefault)
{
    Program keyboard('"' + tilfayPath() + '"');
    HWND frame = waitForFrame(keyboard);
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(settingsFileExists()) << "nothing is written at start";
    ASSERT_EQ(closeKeyboard(keyboard, frame), 0u);
    EXPECT_EQ(settingsEntries(), defaultFile);
    EXPECT_FALSE(settingsFileExists(windowsSettingsFilePath()));
}

TEST_F(SettingsPersistence, AHandWrittenFileKeepsItsChoicesThroughARun)
{
    const std::string text = "[Tilfay]\r\nSize=Huge\r\nNumbers=N\r\nFunction keys=Y\r\nPhone=Y\r\n"
                             "Switch allowed=Y\r\nParking X=5\r\n";
    writeSettingsFile(text);
    Program keyboard('"' + tilfayPath() + '"');
    HWND frame = waitForFrame(keyboard);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(readSettingsFile(), text) << "nothing is written at start";
    ASSERT_EQ(closeKeyboard(keyboard, frame), 0u);
    const auto entries = settingsEntries();
    EXPECT_EQ(entries.size(), defaultFile.size());
    EXPECT_EQ(valueOf(entries, "Size"), "Huge");
    EXPECT_EQ(valueOf(entries, "Numbers"), "N");
    EXPECT_EQ(valueOf(entries, "Function keys"), "Y");
    EXPECT_EQ(valueOf(entries, "Phone"), "Y");
    EXPECT_EQ(valueOf(entries, "Switch allowed"), "Y");
    EXPECT_EQ(valueOf(entries, "Parking X"), "5");
    EXPECT_EQ(valueOf(entries, "Parking Y"), "3000");
    EXPECT_EQ(valueOf(entries, "Hardware Keyboard"), "N");
    EXPECT_EQ(valueOf(entries, "Closing allowed"), "N");
}

// An ordinary user cannot write the Windows directory: its file, held open against writing, stands for
// that. The first run starts from it and every value it writes differs from its default; the Windows
// directory's file is replaced before the second run, so a second run that did not read the user's file
// would write different values.
TEST_F(SettingsPersistence, ASecondStartReadsWhatTheFirstWroteThoughTheWindowsDirectoryIsUnwritable)
{
    const std::string windowsFile = windowsSettingsFilePath();
    const std::string startingValues =
        "[Tilfay]\r\nSize=huge\r\nNumbers=yes\r\nPhone=y\r\nFunction keys=y\r\n"
        "Hardware Keyboard=y\r\nClosing allowed=y\r\nSwitch allowed=y\r\n"
        "Parking X=70000\r\nParking Y=7\r\n";
    writeSettingsFile(startingValues, windowsFile);
    HANDLE unwritable =
        CreateFileA(windowsFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(unwritable, INVALID_HANDLE_VALUE);
    {
        Program first('"' + tilfayPath() + '"');
        HWND frame = waitForFrame(first);
        ASSERT_NE(frame, nullptr);
        ASSERT_EQ(closeKeyboard(first, frame), 0u);
    }
    const std::string written = readSettingsFile();
    const auto entries = settingsEntries(written);
    EXPECT_EQ(entries.size(), defaultFile.size());
    EXPECT_EQ(valueOf(entries, "Size"), "Huge");
    EXPECT_EQ(valueOf(entries, "Numbers"), "N");
    EXPECT_EQ(valueOf(entries, "Phone"), "Y");
    EXPECT_EQ(valueOf(entries, "Function keys"), "Y");
    EXPECT_EQ(valueOf(entries, "Hardware Keyboard"), "Y");
    EXPECT_EQ(valueOf(entries, "Closing allowed"), "N") << "the administrator's word is not copied";
    EXPECT_EQ(valueOf(entries, "Switch allowed"), "Y");
    EXPECT_EQ(valueOf(entries, "Parking X"), "3000");
    EXPECT_EQ(valueOf(entries, "Parking Y"), "7");

    CloseHandle(unwritable);
    EXPECT_EQ(readSettingsFile(windowsFile), startingValues);
    writeSettingsFile("[Tilfay]\r\nSize=Tiny\r\n", windowsFile);
    Program second('"' + tilfayPath() + '"');
    HWND frame = waitForFrame(second);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(readSettingsFile(), written) << "nothing is written at start";
    ASSERT_EQ(closeKeyboard(second, frame), 0u);
    EXPECT_EQ(readSettingsFile(), written);
}
