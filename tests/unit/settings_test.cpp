// Loading and saving the settings on the platform's real profile-file services, from a missing file, hand
// edits, malformed values and files that cannot be written.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "state/appstate.h"
#include "support/settingsfile.h"

namespace {

// A screen smaller than the test display, so that the limits come from the state, not the display.
constexpr int screenWidth = 800;
constexpr int screenHeight = 600;

int limitX()
{
    return screenWidth - GetSystemMetrics(SM_CXICON);
}

int limitY()
{
    return screenHeight - GetSystemMetrics(SM_CYICON);
}

struct Settings {
    int showNumbers;
    int phoneLayout;
    int showFunctionKeys;
    int hardwareKeyboard;
    int closingAllowed;
    int switchAllowed;
    int keySize;
    int parkingX;
    int parkingY;
    int keyRepeat = 1;

    bool operator==(const Settings& other) const
    {
        return showNumbers == other.showNumbers && phoneLayout == other.phoneLayout &&
               showFunctionKeys == other.showFunctionKeys && hardwareKeyboard == other.hardwareKeyboard &&
               closingAllowed == other.closingAllowed && switchAllowed == other.switchAllowed &&
               keySize == other.keySize && parkingX == other.parkingX && parkingY == other.parkingY &&
               keyRepeat == other.keyRepeat;
    }
};

std::ostream& operator<<(std::ostream& out, const Settings& s)
{
    return out << "{numbers " << s.showNumbers << ", phone " << s.phoneLayout << ", function keys "
               << s.showFunctionKeys << ", hardware " << s.hardwareKeyboard << ", closing "
               << s.closingAllowed << ", switch " << s.switchAllowed << ", size " << s.keySize << ", parking "
               << s.parkingX << "," << s.parkingY << ", repeat " << s.keyRepeat << "}";
}

constexpr Settings defaults{1, 0, 0, 0, 0, 0, 3, -1, -1};

Settings inMemory()
{
    return {app.showNumbers,    app.phoneLayout,   app.showFunctionKeys, app.hardwareKeyboard,
            app.closingAllowed, app.switchAllowed, app.keySize,          app.parkingX,
            app.parkingY,       app.keyRepeat};
}

// The opposite of every default, so that a load that leaves a field alone cannot pass by chance.
void fillWithNonDefaults()
{
    app.showNumbers = 0;
    app.phoneLayout = 1;
    app.showFunctionKeys = 1;
    app.hardwareKeyboard = 1;
    app.closingAllowed = 1;
    app.switchAllowed = 1;
    app.keyRepeat = 0;
    app.shapeWriting = 0;
    app.keySize = 5;
    app.parkingX = 7;
    app.parkingY = 7;
}

void loadFrom(const std::string& lines)
{
    writeSettingsFile("[Tilfay]\r\n" + lines);
    fillWithNonDefaults();
    loadSettings();
}

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

const char* const sizeNames[] = {"Tiny", "Small", "Medium", "Large", "Huge"};

const char* flagText(int flag)
{
    return flag ? "Y" : "N";
}

// The file, read back through the platform, holds what the fields say.
void expectFileHolds(const Settings& s)
{
    EXPECT_EQ(profileValue("Numbers"), flagText(s.showNumbers));
    EXPECT_EQ(profileValue("Phone"), flagText(s.phoneLayout));
    EXPECT_EQ(profileValue("Function keys"), flagText(s.showFunctionKeys));
    EXPECT_EQ(profileValue("Hardware Keyboard"), flagText(s.hardwareKeyboard));
    EXPECT_EQ(profileValue("Closing allowed"), flagText(s.closingAllowed));
    EXPECT_EQ(profileValue("Switch allowed"), flagText(s.switchAllowed));
    EXPECT_EQ(profileValue("Key Repeat"), flagText(s.keyRepeat));
    ASSERT_GE(s.keySize, 1);
    ASSERT_LE(s.keySize, 5);
    EXPECT_EQ(profileValue("Size"), sizeNames[s.keySize - 1]);
    if (s.parkingX < 0) {
        EXPECT_EQ(profileValue("Parking X"), "3000");
    }
    if (s.parkingY < 0) {
        EXPECT_EQ(profileValue("Parking Y"), "3000");
    }
}

void expectSane(const Settings& s)
{
    for (int flag : {s.showNumbers, s.phoneLayout, s.showFunctionKeys, s.hardwareKeyboard, s.closingAllowed,
                     s.switchAllowed, s.keyRepeat})
        EXPECT_TRUE(flag == 0 || flag == 1) << s;
    EXPECT_TRUE(s.keySize >= 1 && s.keySize <= 5) << s;
    EXPECT_TRUE(s.parkingX == -1 || (s.parkingX >= 0 && s.parkingX <= limitX())) << s;
    EXPECT_TRUE(s.parkingY == -1 || (s.parkingY >= 0 && s.parkingY <= limitY())) << s;
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        deleteSettingsFile();
        app.screenWidth = screenWidth;
        app.screenHeight = screenHeight;
    }
    void TearDown() override
    {
        deleteSettingsFile();
    }
};

using NoSettingsFile = SettingsTest;
using SettingsFlags = SettingsTest;
using SettingsSize = SettingsTest;
using SettingsParking = SettingsTest;
using SettingsHandEdits = SettingsTest;
using SettingsWriteFailures = SettingsTest;
using SettingsPerUser = SettingsTest;

} // namespace

TEST_F(NoSettingsFile, LoadingShowsTheNumberPadClearsTheOtherFlagsAndGivesMediumWithoutParking)
{
    fillWithNonDefaults();
    loadSettings();
    EXPECT_EQ(inMemory(), defaults);
}

TEST_F(NoSettingsFile, LoadingDoesNotCreateTheFile)
{
    loadSettings();
    EXPECT_FALSE(settingsFileExists());
}

TEST_F(NoSettingsFile, TheFirstSaveWritesEveryDefaultInOrder)
{
    loadSettings();
    saveSettings();
    EXPECT_EQ(settingsEntries(), defaultFile);
}

TEST_F(NoSettingsFile, ALaterSaveLeavesTheFileAsTheFirstWroteIt)
{
    loadSettings();
    saveSettings();
    const std::string first = readSettingsFile();
    saveSettings();
    EXPECT_EQ(readSettingsFile(), first);
}

TEST_F(SettingsFlags, LowerCaseYSetsEveryFlag)
{
    loadFrom("Numbers=y\r\nPhone=y\r\nFunction keys=y\r\nHardware Keyboard=y\r\nClosing allowed=y\r\n"
             "Switch allowed=y\r\n");
    EXPECT_EQ(inMemory(), (Settings{1, 1, 1, 1, 1, 1, 3, -1, -1}));
}

TEST_F(SettingsFlags, KeyNamesAreMatchedWithoutRegardToCase)
{
    loadFrom("NUMBERS=n\r\nphone=Y\r\nFUNCTION KEYS=Y\r\nhardware keyboard=Y\r\nCLOSING ALLOWED=Y\r\n"
             "switch allowed=Y\r\nsize=Tiny\r\n");
    EXPECT_EQ(inMemory(), (Settings{0, 1, 1, 1, 1, 1, 1, -1, -1}));
}

TEST_F(SettingsFlags, LowerCaseNClearsTheNumberPad)
{
    loadFrom("Numbers=n\r\n");
    EXPECT_EQ(app.showNumbers, 0);
}

TEST_F(SettingsFlags, EachKeyLoadsIntoItsOwnField)
{
    const char* keys[] = {"Numbers",         "Phone",          "Function keys", "Hardware Keyboard",
                          "Closing allowed", "Switch allowed", "Key Repeat",    "Word Suggestions",
                          "Shape Writing"};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(keys[i]);
        std::string lines;
        for (int j = 0; j < 9; ++j)
            lines += std::string(keys[j]) + (i == j ? "=Y\r\n" : "=N\r\n");
        loadFrom(lines);
        const Settings s = inMemory();
        const int flags[] = {s.showNumbers,      s.phoneLayout,       s.showFunctionKeys,
                             s.hardwareKeyboard, s.closingAllowed,    s.switchAllowed,
                             s.keyRepeat,        app.wordSuggestions, app.shapeWriting};
        for (int j = 0; j < 9; ++j)
            EXPECT_EQ(flags[j], i == j ? 1 : 0) << keys[j];
    }
}

TEST_F(SettingsFlags, EachFieldIsWrittenUnderItsOwnKey)
{
    BYTE* fields[] = {&app.showNumbers,   &app.phoneLayout, &app.showFunctionKeys, &app.hardwareKeyboard,
                      &app.switchAllowed, &app.keyRepeat,   &app.wordSuggestions,  &app.shapeWriting};
    const char* keys[] = {"Numbers",        "Phone",      "Function keys",    "Hardware Keyboard",
                          "Switch allowed", "Key Repeat", "Word Suggestions", "Shape Writing"};
    app.keySize = 3;
    app.parkingX = app.parkingY = -1;
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(keys[i]);
        for (int j = 0; j < 8; ++j)
            *fields[j] = i == j;
        saveSettings();
        for (int j = 0; j < 8; ++j)
            EXPECT_EQ(profileValue(keys[j]), i == j ? "Y" : "N") << keys[j];
    }
}

TEST_F(SettingsFlags, TheWordYesOneAndTrueAreClearAndAreWrittenBackAsN)
{
    for (const char* value : {"yes", "Yes", "1", "true", "T", "on"}) {
        SCOPED_TRACE(value);
        loadFrom(std::string("Numbers=") + value + "\r\nPhone=" + value + "\r\n");
        EXPECT_EQ(app.showNumbers, 0);
        EXPECT_EQ(app.phoneLayout, 0);
        saveSettings();
        EXPECT_EQ(profileValue("Numbers"), "N");
        EXPECT_EQ(profileValue("Phone"), "N");
    }
}

TEST_F(SettingsFlags, AnEmptyValueIsClearEvenWhereTheDefaultIsSet)
{
    loadFrom("Numbers=\r\n");
    EXPECT_EQ(app.showNumbers, 0);
    saveSettings();
    EXPECT_EQ(profileValue("Numbers"), "N");
}

// Only the first ten characters of a value reach the comparison, and they never read as a lone "Y".
TEST_F(SettingsFlags, AValueLongerThanTenCharactersIsClear)
{
    for (const char* value : {"yyyyyyyyyyyyyy", "Yxxxxxxxxxxxxxxxxxxx", "Y         x", "Y  Y  Y  Y  Y"}) {
        SCOPED_TRACE(value);
        loadFrom(std::string("Numbers=") + value + "\r\nClosing allowed=" + value + "\r\n");
        EXPECT_EQ(app.showNumbers, 0);
        EXPECT_EQ(app.closingAllowed, 0);
        EXPECT_FALSE(closingAllowedNow());
    }
}

TEST_F(SettingsSize, EachNameInAnyCaseGivesItsSize)
{
    const char* names[][3] = {{"tiny", "TINY", "tInY"},
                              {"small", "SMALL", "sMaLl"},
                              {"medium", "MEDIUM", "MeDiUm"},
                              {"large", "LARGE", "lArGe"},
                              {"huge", "HUGE", "hUgE"}};
    for (int size = 1; size <= 5; ++size)
        for (const char* name : names[size - 1]) {
            SCOPED_TRACE(name);
            loadFrom(std::string("Size=") + name + "\r\n");
            EXPECT_EQ(app.keySize, size);
        }
}

TEST_F(SettingsSize, HugeInLowerCaseGivesFiveAndIsWrittenBackAsHuge)
{
    loadFrom("Size=huge\r\n");
    EXPECT_EQ(app.keySize, 5);
    saveSettings();
    EXPECT_EQ(profileValue("Size"), "Huge");
}

TEST_F(SettingsSize, EachSizeIsWrittenByItsName)
{
    loadSettings();
    for (int size = 1; size <= 5; ++size) {
        app.keySize = size;
        saveSettings();
        EXPECT_EQ(profileValue("Size"), sizeNames[size - 1]);
    }
}

TEST_F(SettingsSize, AnUnknownNameGivesMediumAndIsWrittenBackAsMedium)
{
    for (const char* value : {"giant", "", "5", "Hugely", "Tin", "Larg", "Small Small", "HugeHugeHugeHuge"}) {
        SCOPED_TRACE(value);
        loadFrom(std::string("Size=") + value + "\r\n");
        EXPECT_EQ(app.keySize, 3);
        saveSettings();
        EXPECT_EQ(profileValue("Size"), "Medium");
    }
}

TEST_F(SettingsParking, ZeroAndTheLimitAreAccepted)
{
    loadFrom("Parking X=0\r\nParking Y=" + std::to_string(limitY()) + "\r\n");
    EXPECT_EQ(app.parkingX, 0);
    EXPECT_EQ(app.parkingY, limitY());
    loadFrom("Parking X=" + std::to_string(limitX()) + "\r\nParking Y=0\r\n");
    EXPECT_EQ(app.parkingX, limitX());
    EXPECT_EQ(app.parkingY, 0);
}

TEST_F(SettingsParking, TheLimitPlusOneIsUnsetAndIsRewrittenAs3000)
{
    loadFrom("Parking X=" + std::to_string(limitX() + 1) + "\r\nParking Y=" + std::to_string(limitY() + 1) +
             "\r\n");
    EXPECT_EQ(app.parkingX, -1);
    EXPECT_EQ(app.parkingY, -1);
    saveSettings();
    EXPECT_EQ(profileValue("Parking X"), "3000");
    EXPECT_EQ(profileValue("Parking Y"), "3000");
}

TEST_F(SettingsParking, TheLimitsComeFromTheScreenSizeInTheState)
{
    app.screenWidth = 400;
    app.screenHeight = 300;
    writeSettingsFile("[Tilfay]\r\nParking X=" + std::to_string(400 - GetSystemMetrics(SM_CXICON) + 1) +
                      "\r\nParking Y=" + std::to_string(300 - GetSystemMetrics(SM_CYICON)) + "\r\n");
    loadSettings();
    EXPECT_EQ(app.parkingX, -1);
    EXPECT_EQ(app.parkingY, 300 - GetSystemMetrics(SM_CYICON));
}

TEST_F(SettingsParking, ThreeThousandIsUnsetEvenOnAScreenWiderThanIt)
{
    app.screenWidth = 5000;
    app.screenHeight = 5000;
    writeSettingsFile("[Tilfay]\r\nParking X=3000\r\nParking Y=3000\r\n");
    loadSettings();
    EXPECT_EQ(app.parkingX, -1);
    EXPECT_EQ(app.parkingY, -1);
    writeSettingsFile("[Tilfay]\r\nParking X=2999\r\nParking Y=3001\r\n");
    loadSettings();
    EXPECT_EQ(app.parkingX, 2999);
    EXPECT_EQ(app.parkingY, 3001);
}

TEST_F(SettingsParking, OnlyTheLow16BitsCount)
{
    loadFrom("Parking X=65636\r\nParking Y=65636\r\n");
    EXPECT_EQ(app.parkingX, 100);
    EXPECT_EQ(app.parkingY, 100);
    loadFrom("Parking X=68536\r\nParking Y=131072\r\n");
    EXPECT_EQ(app.parkingX, -1) << "65536 + 3000 is 3000 in 16 bits";
    EXPECT_EQ(app.parkingY, 0);
}

TEST_F(SettingsParking, TheLimitIsTakenIn16Bits)
{
    app.screenWidth = 65536 + 200 + GetSystemMetrics(SM_CXICON);
    writeSettingsFile("[Tilfay]\r\nParking X=200\r\n");
    loadSettings();
    EXPECT_EQ(app.parkingX, 200);
    writeSettingsFile("[Tilfay]\r\nParking X=201\r\n");
    loadSettings();
    EXPECT_EQ(app.parkingX, -1);
}

// The platform reads a negative number as its two's complement, so its low 16 bits lie far beyond any
// screen, unless they happen to be small.
TEST_F(SettingsParking, NegativeNumbersAreTakenByTheirLow16Bits)
{
    loadFrom("Parking X=-1\r\nParking Y=-100\r\n");
    EXPECT_EQ(app.parkingX, -1);
    EXPECT_EQ(app.parkingY, -1);
    saveSettings();
    EXPECT_EQ(profileValue("Parking X"), "3000");
    EXPECT_EQ(profileValue("Parking Y"), "3000");
    loadFrom("Parking X=-65436\r\nParking Y=-65536\r\n");
    EXPECT_EQ(app.parkingX, 100);
    EXPECT_EQ(app.parkingY, 0);
}

TEST_F(SettingsParking, AValidValueIsNeverWrittenSoAnEditMadeWhileRunningSurvives)
{
    loadFrom("Parking X=12\r\nParking Y=34\r\n");
    ASSERT_EQ(app.parkingX, 12);
    ASSERT_EQ(app.parkingY, 34);
    saveSettings();
    EXPECT_EQ(profileValue("Parking X"), "12");
    EXPECT_EQ(profileValue("Parking Y"), "34");
    writeSettingsFile("[Tilfay]\r\nParking X=56\r\nParking Y=99999\r\n");
    saveSettings();
    saveSettings();
    EXPECT_EQ(profileValue("Parking X"), "56");
    EXPECT_EQ(profileValue("Parking Y"), "99999");
    EXPECT_EQ(app.parkingX, 12) << "the edit takes effect at the next start";
}

TEST_F(SettingsHandEdits, SwitchAllowedSurvivesEverySaveAndChangesNothingElse)
{
    loadFrom("Switch allowed=Y\r\n");
    Settings expected = defaults;
    expected.switchAllowed = 1;
    EXPECT_EQ(inMemory(), expected);
    saveSettings();
    saveSettings();
    EXPECT_EQ(profileValue("Switch allowed"), "Y");
    fillWithNonDefaults();
    loadSettings();
    EXPECT_EQ(inMemory(), expected);
    expectFileHolds(expected);
}

TEST_F(SettingsHandEdits, ClosingAllowedSwitchedOnAfterLoadIsSeenAndWrittenBack)
{
    loadFrom("Closing allowed=N\r\n");
    ASSERT_FALSE(closingAllowedNow());
    const std::string edited = "[Tilfay]\r\nClosing allowed=Y\r\n";
    writeSettingsFile(edited);
    EXPECT_EQ(app.closingAllowed, 0) << "nothing is read before it is asked for";
    EXPECT_TRUE(closingAllowedNow());
    EXPECT_EQ(app.closingAllowed, 1);
    saveSettings();
    EXPECT_EQ(profileValue("Closing allowed"), "Y");
}

TEST_F(SettingsHandEdits, ClosingAllowedRemovedByHandCountsAsClear)
{
    loadFrom("Closing allowed=y\r\n");
    ASSERT_EQ(app.closingAllowed, 1);
    writeSettingsFile("[Tilfay]\r\nNumbers=Y\r\n");
    EXPECT_FALSE(closingAllowedNow());
    EXPECT_EQ(app.closingAllowed, 0);
    saveSettings();
    EXPECT_EQ(profileValue("Closing allowed"), "N");
}

TEST_F(SettingsHandEdits, ReReadingClosingAllowedLeavesTheOtherSettingsAlone)
{
    loadFrom("Size=Small\r\nNumbers=N\r\n");
    const Settings loaded = inMemory();
    writeSettingsFile("[Tilfay]\r\nSize=Huge\r\nNumbers=Y\r\nPhone=Y\r\nParking X=5\r\n");
    closingAllowedNow();
    EXPECT_EQ(inMemory(), loaded);
}

TEST_F(SettingsHandEdits, EditsOfOtherKeysWhileRunningAreOverwrittenAtTheNextSave)
{
    loadFrom("Size=Small\r\nFunction keys=Y\r\n");
    const Settings loaded = inMemory();
    writeSettingsFile("[Tilfay]\r\nSize=Huge\r\nFunction keys=N\r\nSwitch allowed=Y\r\nParking X=5\r\n");
    saveSettings();
    expectFileHolds(loaded);
}

namespace {

struct BadFile {
    const char* name;
    std::string bytes;
};

void PrintTo(const BadFile& file, std::ostream* out)
{
    *out << file.name;
}

std::string binaryJunk(bool withByteOrderMark)
{
    std::string bytes = withByteOrderMark ? "\xFF\xFE" : "";
    unsigned seed = 12345;
    for (int i = 0; i < 4096; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes += static_cast<char>(seed >> 16);
    }
    return bytes;
}

std::vector<BadFile> badFiles()
{
    const std::string longValue(5000, 'Y');
    const std::string longKey(3000, 'K');
    return {
        {"Empty", ""},
        {"Garbage", "hello world\r\n=====\r\n[\r\n]]]\r\n;comment\r\n[Tilfay\r\nSize\r\n==Y\r\nNumbers\r\n"},
        {"SectionWithGarbage", "[Tilfay]\r\n=Y\r\nNumbers\r\nSize==Huge\r\n Phone = = Y\r\n[]\r\n="},
        {"BinaryJunk", binaryJunk(false)},
        {"ByteOrderMarkAndJunk", binaryJunk(true)},
        {"JunkInsideTheSection", "[Tilfay]\r\n" + binaryJunk(false) + "\r\nSize=Huge\r\n"},
        {"DuplicateKeys", "[Tilfay]\r\nSize=Huge\r\nSize=Tiny\r\nNumbers=N\r\nNumbers=Y\r\nParking X=5\r\n"
                          "Parking X=999999\r\n[Tilfay]\r\nSize=Small\r\nPhone=Y\r\n"},
        {"AnotherSectionOnly", "[Other]\r\nSize=Huge\r\nNumbers=N\r\nParking X=5\r\n"},
        {"HugeNumbers", "[Tilfay]\r\nParking X=99999999999999999999999999\r\nParking Y=4294967295\r\n"
                        "Size=99999999999999999999\r\nNumbers=18446744073709551616\r\n"},
        {"VeryLongLines", "[Tilfay]\r\nNumbers=" + longValue + "\r\n" + longKey + "=Y\r\nSize=" + longValue +
                              "\r\nParking X=" + std::string(4000, '1') + "\r\n[" + longKey +
                              "]\r\nPhone=Y\r\n"},
        {"NoLineBreaks", "[Tilfay]Numbers=N Size=Huge Parking X=5"},
        {"UnixLineBreaks", "[Tilfay]\nNumbers=N\nSize=Huge\nParking X=5\n"},
    };
}

class BadSettingsFile : public ::testing::TestWithParam<BadFile> {
protected:
    void SetUp() override
    {
        deleteSettingsFile();
        app.screenWidth = screenWidth;
        app.screenHeight = screenHeight;
    }
    void TearDown() override
    {
        deleteSettingsFile();
    }
};

} // namespace

TEST_P(BadSettingsFile, LoadsSaneSettingsAndTheNextSaveWritesThem)
{
    writeSettingsFile(GetParam().bytes);
    fillWithNonDefaults();
    loadSettings();
    const Settings loaded = inMemory();
    expectSane(loaded);
    saveSettings();
    EXPECT_EQ(inMemory(), loaded);
    expectFileHolds(loaded);
    fillWithNonDefaults();
    loadSettings();
    EXPECT_EQ(inMemory(), loaded) << "a second run reads what the first wrote";
}

INSTANTIATE_TEST_SUITE_P(Malformed, BadSettingsFile, ::testing::ValuesIn(badFiles()),
                         [](const ::testing::TestParamInfo<BadFile>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SettingsHandEdits, AnotherSectionGivesTheDefaultsAndIsLeftAlone)
{
    writeSettingsFile("[Other]\r\nSize=Huge\r\nNumbers=N\r\n");
    fillWithNonDefaults();
    loadSettings();
    EXPECT_EQ(inMemory(), defaults);
    saveSettings();
    EXPECT_EQ(settingsEntries(), defaultFile);
    EXPECT_EQ(profileValue("Size", "Other"), "Huge");
    EXPECT_EQ(profileValue("Numbers", "Other"), "N");
}

// Wine lets a process running as root write a file marked read-only, so the file is made unwritable the
// way an editor or a backup program holding it open without sharing makes it.
TEST_F(SettingsWriteFailures, AFileThatCannotBeWrittenIsLeftAsItWasAndTheSettingsInMemoryStay)
{
    const std::string text = "[Tilfay]\r\nSize=Huge\r\nNumbers=N\r\n";
    writeSettingsFile(text);
    fillWithNonDefaults();
    loadSettings();
    Settings expected = defaults;
    expected.keySize = 5;
    expected.showNumbers = 0;
    ASSERT_EQ(inMemory(), expected);
    app.keySize = 2;
    app.phoneLayout = 1;
    expected = inMemory();
    HANDLE holder = CreateFileA(settingsFilePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    saveSettings();
    CloseHandle(holder);
    EXPECT_EQ(inMemory(), expected);
    EXPECT_EQ(readSettingsFile(), text);
}

TEST_F(SettingsWriteFailures, ADirectoryInTheFilesPlaceGivesTheDefaultsAndSavingChangesNothing)
{
    CreateDirectoryA(settingsFolder().c_str(), nullptr);
    ASSERT_TRUE(CreateDirectoryA(settingsFilePath().c_str(), nullptr));
    fillWithNonDefaults();
    loadSettings();
    EXPECT_EQ(inMemory(), defaults);
    app.keySize = 4;
    const Settings expected = inMemory();
    saveSettings();
    EXPECT_EQ(inMemory(), expected);
    EXPECT_TRUE(GetFileAttributesA(settingsFilePath().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_FALSE(closingAllowedNow());
}

// A parking value is never rewritten by a save, so the first save copies the starting file's text.
TEST_F(SettingsPerUser, TheWindowsDirectorysFileGivesTheStartingValuesAndIsNeverWritten)
{
    const std::string startingValues = "[Tilfay]\r\nSize=Huge\r\nNumbers=N\r\nParking X=5\r\n";
    writeSettingsFile(startingValues, windowsSettingsFilePath());
    fillWithNonDefaults();
    loadSettings();
    Settings expected = defaults;
    expected.keySize = 5;
    expected.showNumbers = 0;
    expected.parkingX = 5;
    EXPECT_EQ(inMemory(), expected);
    EXPECT_FALSE(settingsFileExists());
    app.phoneLayout = 1;
    saveSettings();
    EXPECT_EQ(readSettingsFile(windowsSettingsFilePath()), startingValues);
    const auto entries = settingsEntries();
    EXPECT_EQ(entries.size(), defaultFile.size());
    EXPECT_EQ(profileValue("Size"), "Huge");
    EXPECT_EQ(profileValue("Phone"), "Y");
    EXPECT_EQ(profileValue("Parking X"), "5");
}

TEST_F(SettingsPerUser, OnceTheUsersFileExistsTheWindowsDirectorysIsNoLongerRead)
{
    writeSettingsFile("[Tilfay]\r\nSize=Huge\r\nPhone=Y\r\n", windowsSettingsFilePath());
    loadFrom("Size=Small\r\n");
    EXPECT_EQ(app.keySize, 2);
    EXPECT_EQ(app.phoneLayout, 0);
}

// Which file gives the starting values: the user's own, else the one a redirected save left in the
// VirtualStore, else the Windows directory's.
TEST_F(SettingsPerUser, TheUsersFileThenTheVirtualStoresThenTheWindowsDirectorysGivesTheSize)
{
    struct Case {
        bool user;
        bool virtualStore;
        bool windows;
        int size;
    };
    const Case cases[] = {
        {true, true, true, 2},   {false, true, true, 4},   {false, false, true, 5},
        {false, true, false, 4}, {false, false, false, 3},
    };
    for (const Case& c : cases) {
        deleteSettingsFile();
        if (c.user)
            writeSettingsFile("[Tilfay]\r\nSize=Small\r\n");
        if (c.virtualStore)
            writeSettingsFile("[Tilfay]\r\nSize=Large\r\n", virtualStoreSettingsFilePath());
        if (c.windows)
            writeSettingsFile("[Tilfay]\r\nSize=Huge\r\n", windowsSettingsFilePath());
        loadSettings();
        EXPECT_EQ(app.keySize, c.size) << c.user << c.virtualStore << c.windows;
    }
}

TEST_F(SettingsPerUser, TheFirstSaveCarriesTheVirtualStoresValuesOver)
{
    writeSettingsFile("[Tilfay]\r\nSize=Large\r\nParking X=5\r\n", virtualStoreSettingsFilePath());
    loadSettings();
    saveSettings();
    EXPECT_EQ(profileValue("Size"), "Large");
    EXPECT_EQ(profileValue("Parking X"), "5");
}

// "Closing allowed" is the administrator's: where the Windows directory's file has it, the user's file
// never overrides it, and a save keeps the user's own value in the user's file.
TEST_F(SettingsPerUser, TheWindowsDirectorysClosingAllowedWinsOverTheUsers)
{
    struct Case {
        const char* windows;
        const char* user;
        bool allowed;
        const char* saved;
    };
    const Case cases[] = {
        {"N", "Y", false, "Y"},     {"Y", "N", true, "N"},     {nullptr, "Y", true, "Y"},
        {nullptr, "N", false, "N"}, {"y", nullptr, true, "N"},
    };
    for (const Case& c : cases) {
        deleteSettingsFile();
        if (c.windows)
            writeSettingsFile(std::string("[Tilfay]\r\nClosing allowed=") + c.windows + "\r\n",
                              windowsSettingsFilePath());
        writeSettingsFile(std::string("[Tilfay]\r\nSize=Small\r\n") +
                          (c.user ? std::string("Closing allowed=") + c.user + "\r\n" : ""));
        loadSettings();
        EXPECT_EQ(app.closingAllowed, c.allowed) << c.windows << " " << c.user;
        app.closingAllowed = !c.allowed;
        EXPECT_EQ(closingAllowedNow(), c.allowed) << c.windows << " " << c.user;
        saveSettings();
        EXPECT_EQ(profileValue("Closing allowed"), c.saved) << c.windows << " " << c.user;
    }
}

namespace {

std::string positionText(const std::optional<Point>& position)
{
    return position ? std::to_string(position->x) + "," + std::to_string(position->y) : "none";
}

} // namespace

// Both coordinates as whole numbers, or no position at all.
TEST_F(SettingsHandEdits, ThePositionIsReadOnlyWhenBothCoordinatesAreWholeNumbers)
{
    struct Case {
        const char* x;
        const char* y;
        const char* position;
    };
    const Case cases[] = {
        {"700", "600", "700,600"}, {"-1280", "900", "-1280,900"},
        {"0", "-5", "0,-5"},       {"99999", "-99999", "99999,-99999"},
        {"", "", "none"},          {"700", "", "none"},
        {"", "600", "none"},       {"abc", "600", "none"},
        {"700", "12a", "none"},    {"-", "600", "none"},
        {"123456", "600", "none"}, {"+5", "600", "none"},
        {"1.5", "2", "none"},      {"--5", "2", "none"},
    };
    for (const Case& c : cases) {
        app.framePosition = Point{1, 1};
        loadFrom(std::string("Position X=") + c.x + "\r\nPosition Y=" + c.y + "\r\n");
        EXPECT_EQ(positionText(app.framePosition), c.position) << c.x << " " << c.y;
    }
}

TEST_F(SettingsHandEdits, ClickSoundFadeAndThePositionAreWrittenAndReadBack)
{
    struct Case {
        BYTE clickSound, fade;
        std::optional<Point> position;
        const char* file;
    };
    const Case cases[] = {
        {1, 0, Point{-1280, 900}, "Y N -1280 900"},
        {0, 1, std::nullopt, "N Y  "},
    };
    app.keySize = 3;
    app.parkingX = app.parkingY = -1;
    for (const Case& c : cases) {
        app.clickSound = c.clickSound;
        app.fade = c.fade;
        app.framePosition = c.position;
        saveSettings();
        EXPECT_EQ(profileValue("Click Sound") + " " + profileValue("Fade") + " " +
                      profileValue("Position X") + " " + profileValue("Position Y"),
                  c.file);
        fillWithNonDefaults();
        app.clickSound = !c.clickSound;
        app.fade = !c.fade;
        app.framePosition = Point{1, 1};
        loadSettings();
        EXPECT_EQ(app.clickSound, c.clickSound) << c.file;
        EXPECT_EQ(app.fade, c.fade) << c.file;
        EXPECT_EQ(positionText(app.framePosition), positionText(c.position)) << c.file;
    }
}

TEST_F(SettingsHandEdits, TheWaysOfSelectingReadBackValidAndWriteBackAsRead)
{
    struct Case {
        const char* lines;
        const char* file;
    };
    const Case cases[] = {
        {"Select Keys=hover\r\nHover Time=600\r\nScan Time=5000\r\nScan Switch=ENTER\r\nScan Order=rows\r\n",
         "Hover 600 5000 Enter Rows"},
        {"Select Keys=Scan\r\nHover Time=300\r\nScan Time=800\r\nScan Switch=Click\r\nScan Order=Rows\r\n",
         "Scan 300 800 Click Rows"},
        {"Select Keys=Dwell\r\nHover Time=299\r\nScan Time=5001\r\nScan Switch=Tab\r\nScan Order=Columns\r\n",
         "Click 1000 1000 Space Predictive"},
        {"Select Keys=\r\nHover Time=6OO\r\nScan Time=-800\r\nScan Switch=\r\nScan Order=\r\n",
         "Click 1000 1000 Space Predictive"},
        // The platform drops the blanks around a value.
        {"Hover Time=99999999999\r\nScan Time= 800\r\n", "Click 1000 800 Space Predictive"},
    };
    app.keySize = 3;
    app.parkingX = app.parkingY = -1;
    for (const Case& c : cases) {
        loadFrom(c.lines);
        saveSettings();
        EXPECT_EQ(profileValue("Select Keys") + " " + profileValue("Hover Time") + " " +
                      profileValue("Scan Time") + " " + profileValue("Scan Switch") + " " +
                      profileValue("Scan Order"),
                  c.file)
            << c.lines;
    }
}
