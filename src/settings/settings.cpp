// The settings file: ten keys of section "Tilfay" in the user's own "%APPDATA%\Tilfay\Tilfay.ini", kept by
// the platform's profile-file services; a "Tilfay.ini" in the Windows directory gives the starting values.
#include "settings/settings.h"

#include <windows.h>

#include <shlobj.h>

#include "shell/appstate.h"

namespace {

constexpr const char* section = "Tilfay";
// Named without a directory, the profile-file services find it in the Windows directory, which ordinary
// users cannot write: it is only read, as the starting values of a user who has no file yet.
constexpr const char* windowsFile = "Tilfay.ini";
constexpr const char* userFolderName = "\\Tilfay";
constexpr const char* userFileName = "\\Tilfay.ini";
// Room for the whole section of the Windows directory's file, which the first save copies.
constexpr DWORD sectionBufferSize = 32767;
// The file that the reads and writes below go to, chosen by each operation before it starts.
char file[MAX_PATH];
constexpr int valueBufferSize = 11;
// The parking value that stands for "not set", whatever the screen size.
constexpr int parkingUnset = 3000;

constexpr const char* sizeNames[] = {"Tiny", "Small", "Medium", "Large", "Huge"};
constexpr int mediumSize = 3;

char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 0x20) : c;
}

// Compares as a whole, folding only the ASCII letters a..z, so that no locale changes the result.
bool equalsIgnoringAsciiCase(const char* value, const char* expected)
{
    for (; *value && *expected; ++value, ++expected)
        if (asciiUpper(*value) != asciiUpper(*expected))
            return false;
    return *value == *expected;
}

bool readFlag(const char* key, const char* defaultValue)
{
    char value[valueBufferSize];
    GetPrivateProfileStringA(section, key, defaultValue, value, valueBufferSize, file);
    return equalsIgnoringAsciiCase(value, "Y");
}

int readParking(const char* key, int limit)
{
    const auto value =
        static_cast<unsigned>(GetPrivateProfileIntA(section, key, parkingUnset, file)) & 0xFFFF;
    if (value == parkingUnset)
        return -1;
    return value <= (static_cast<unsigned>(limit) & 0xFFFF) ? static_cast<int>(value) : -1;
}

int readSize()
{
    char value[valueBufferSize];
    GetPrivateProfileStringA(section, "Size", "Medium", value, valueBufferSize, file);
    for (int size = 1; size <= 5; ++size)
        if (equalsIgnoringAsciiCase(value, sizeNames[size - 1]))
            return size;
    return mediumSize;
}

void writeValue(const char* key, const char* value)
{
    WritePrivateProfileStringA(section, key, value, file);
}

const char* flagText(BYTE flag)
{
    return flag ? "Y" : "N";
}

// "%APPDATA%\Tilfay\Tilfay.ini" into file; false when the user has no application-data folder.
bool chooseUserFile(bool createFolder)
{
    char appData[MAX_PATH];
    const int folder = CSIDL_APPDATA | (createFolder ? CSIDL_FLAG_CREATE : 0);
    if (SHGetFolderPathA(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, appData) != S_OK ||
        lstrlenA(appData) + lstrlenA(userFolderName) + lstrlenA(userFileName) >= MAX_PATH)
        return false;
    lstrcpyA(file, appData);
    lstrcatA(file, userFolderName);
    if (createFolder)
        CreateDirectoryA(file, nullptr);
    lstrcatA(file, userFileName);
    return true;
}

bool fileExists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// Reads come from the user's file once it exists, until then from the Windows directory's file; without an
// application-data folder the settings stay in the Windows directory, as on the systems that have none.
void chooseFileToRead()
{
    if (!chooseUserFile(false) || !fileExists(file))
        lstrcpyA(file, windowsFile);
}

// The first save carries the whole section of the Windows directory's file over, so that a parking value,
// which a save never rewrites, keeps its text.
void chooseFileToWrite()
{
    if (!chooseUserFile(true)) {
        lstrcpyA(file, windowsFile);
        return;
    }
    if (fileExists(file))
        return;
    char startingValues[sectionBufferSize];
    if (GetPrivateProfileSectionA(section, startingValues, sectionBufferSize, windowsFile) > 0)
        WritePrivateProfileSectionA(section, startingValues, file);
}

} // namespace

void loadSettings()
{
    chooseFileToRead();
    app.showNumbers = readFlag("Numbers", "Y");
    app.phoneLayout = readFlag("Phone", "N");
    app.showFunctionKeys = readFlag("Function keys", "N");
    app.hardwareKeyboard = readFlag("Hardware Keyboard", "N");
    app.closingAllowed = readFlag("Closing allowed", "N");
    app.switchAllowed = readFlag("Switch allowed", "N");
    app.keyRepeat = readFlag("Key Repeat", "Y");
    app.wordSuggestions = readFlag("Word Suggestions", "N");
    app.parkingX = readParking("Parking X", app.screenWidth - GetSystemMetrics(SM_CXICON));
    app.parkingY = readParking("Parking Y", app.screenHeight - GetSystemMetrics(SM_CYICON));
    app.keySize = readSize();
}

// A parking value that was valid at load is never written, so a hand edit of it survives.
void saveSettings()
{
    chooseFileToWrite();
    if (app.parkingX < 0)
        writeValue("Parking X", "3000");
    if (app.parkingY < 0)
        writeValue("Parking Y", "3000");
    writeValue("Numbers", flagText(app.showNumbers));
    writeValue("Phone", flagText(app.phoneLayout));
    writeValue("Function keys", flagText(app.showFunctionKeys));
    writeValue("Hardware Keyboard", flagText(app.hardwareKeyboard));
    writeValue("Size", sizeNames[app.keySize - 1]);
    writeValue("Closing allowed", flagText(app.closingAllowed));
    writeValue("Switch allowed", flagText(app.switchAllowed));
    writeValue("Key Repeat", flagText(app.keyRepeat));
    writeValue("Word Suggestions", flagText(app.wordSuggestions));
}

bool closingAllowedNow()
{
    chooseFileToRead();
    app.closingAllowed = readFlag("Closing allowed", "N");
    return app.closingAllowed;
}
