// The settings file: twenty-two keys of section "Tilfay" in the user's own "%APPDATA%\Tilfay\Tilfay.ini",
// kept by the platform's profile-file services; a "Tilfay.ini" in the Windows directory gives the starting
// values and the administrator's word on closing.
#include "settings/settings.h"

#include <windows.h>

#include <shlobj.h>

#include <string>

#include "state/appstate.h"

namespace {

constexpr const wchar_t* section = L"Tilfay";
// Named without a directory, the profile-file services find it in the Windows directory, which ordinary
// users cannot write: it is only read.
constexpr const wchar_t* windowsFile = L"Tilfay.ini";
constexpr const wchar_t* userFolderName = L"\\Tilfay";
constexpr const wchar_t* fileName = L"\\Tilfay.ini";
// Where Windows Vista and later redirected the saves of a build without a manifest.
constexpr const wchar_t* virtualStoreFolder = L"\\VirtualStore";
// Room for the whole section of the file of starting values, which the first save copies.
constexpr DWORD sectionBufferSize = 32767;
constexpr int valueBufferSize = 11;
// The parking value that stands for "not set", whatever the screen size.
constexpr int parkingUnset = 3000;
// No value of a profile file holds a line break: the default that tells a missing key from any value.
constexpr const wchar_t* noValue = L"\n";

constexpr const char* sizeNames[] = {"Tiny", "Small", "Medium", "Large", "Huge"};
constexpr int mediumSize = 3;
constexpr int maxCoordinateDigits = 5;
constexpr const char* selectNames[] = {"Click", "Hover", "Scan"};
constexpr const char* switchNames[] = {"Space", "Enter", "Click"};
constexpr const char* colorsNames[] = {"Standard", "System"};
constexpr const char* scanOrderNames[] = {"Predictive", "Rows"};

// Key names and values are ASCII.
std::wstring wide(const char* text)
{
    return std::wstring(text, text + lstrlenA(text));
}

wchar_t asciiUpper(wchar_t c)
{
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 0x20) : c;
}

// Compares as a whole, folding only the ASCII letters a..z, so that no locale changes the result.
bool equalsIgnoringAsciiCase(const wchar_t* value, const char* expected)
{
    for (; *value && *expected; ++value, ++expected)
        if (asciiUpper(*value) != asciiUpper(static_cast<wchar_t>(*expected)))
            return false;
    return *value == 0 && *expected == 0;
}

std::wstring readValue(const std::wstring& file, const char* key, const wchar_t* defaultValue)
{
    wchar_t value[valueBufferSize];
    GetPrivateProfileStringW(section, wide(key).c_str(), defaultValue, value, valueBufferSize, file.c_str());
    return value;
}

bool readFlag(const std::wstring& file, const char* key, const char* defaultValue)
{
    return equalsIgnoringAsciiCase(readValue(file, key, wide(defaultValue).c_str()).c_str(), "Y");
}

int readParking(const std::wstring& file, const char* key, int limit)
{
    const auto value =
        static_cast<unsigned>(GetPrivateProfileIntW(section, wide(key).c_str(), parkingUnset, file.c_str())) &
        0xFFFF;
    if (value == parkingUnset)
        return -1;
    return value <= (static_cast<unsigned>(limit) & 0xFFFF) ? static_cast<int>(value) : -1;
}

int readSize(const std::wstring& file)
{
    const std::wstring value = readValue(file, "Size", L"Medium");
    for (int size = 1; size <= 5; ++size)
        if (equalsIgnoringAsciiCase(value.c_str(), sizeNames[size - 1]))
            return size;
    return mediumSize;
}

// One of the names; the first for any other text.
template <int count>
int readChoice(const std::wstring& file, const char* key, const char* const (&names)[count])
{
    const std::wstring value = readValue(file, key, L"");
    for (int choice = 0; choice < count; ++choice)
        if (equalsIgnoringAsciiCase(value.c_str(), names[choice]))
            return choice;
    return 0;
}

// Whole milliseconds in range; the default for anything else.
int readTime(const std::wstring& file, const char* key)
{
    const std::wstring value = readValue(file, key, L"");
    int time = 0;
    for (wchar_t c : value) {
        if (c < L'0' || c > L'9' || time > longestSelectionTime)
            return defaultSelectionTime;
        time = time * 10 + (c - L'0');
    }
    return time >= shortestSelectionTime && time <= longestSelectionTime ? time : defaultSelectionTime;
}

// An optional minus sign and at most five digits, which covers every desktop; none for anything else.
std::optional<int> parseCoordinate(const std::wstring& text)
{
    const std::size_t start = !text.empty() && text[0] == L'-' ? 1 : 0;
    if (text.size() == start || text.size() - start > maxCoordinateDigits)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9')
            return std::nullopt;
        value = value * 10 + (text[i] - L'0');
    }
    return start ? -value : value;
}

// Both coordinates as writePosition writes them; an empty value, or any other text, is none.
std::optional<Point> readPosition(const std::wstring& file)
{
    const std::optional<int> x = parseCoordinate(readValue(file, "Position X", L""));
    const std::optional<int> y = parseCoordinate(readValue(file, "Position Y", L""));
    if (!x || !y)
        return std::nullopt;
    return Point{*x, *y};
}

void writeValue(const std::wstring& file, const char* key, const char* value)
{
    WritePrivateProfileStringW(section, wide(key).c_str(), wide(value).c_str(), file.c_str());
}

const char* flagText(BYTE flag)
{
    return flag ? "Y" : "N";
}

// Both keys empty while the frame is anchored at the corner.
void writePosition(const std::wstring& file, const std::optional<Point>& position)
{
    writeValue(file, "Position X", position ? std::to_string(position->x).c_str() : "");
    writeValue(file, "Position Y", position ? std::to_string(position->y).c_str() : "");
}

// A folder of the user's profile by the wide call, so that a user name outside the ANSI code page is kept
// whole; empty when the user has none.
std::wstring userFolder(int folder)
{
    wchar_t path[MAX_PATH];
    return SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK ? path : L"";
}

std::wstring userFile(bool createFolder)
{
    std::wstring folder = userFolder(CSIDL_APPDATA | (createFolder ? CSIDL_FLAG_CREATE : 0));
    if (folder.empty())
        return L"";
    folder += userFolderName;
    if (createFolder)
        CreateDirectoryW(folder.c_str(), nullptr);
    return folder + fileName;
}

// "%LOCALAPPDATA%\VirtualStore\Windows\Tilfay.ini" for a Windows directory of "C:\Windows".
std::wstring virtualStoreFile()
{
    const std::wstring localAppData = userFolder(CSIDL_LOCAL_APPDATA);
    wchar_t windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (localAppData.empty() || length < 3 || length >= MAX_PATH || windows[1] != L':')
        return L"";
    return localAppData + virtualStoreFolder + (windows + 2) + fileName;
}

bool fileExists(const std::wstring& path)
{
    return !path.empty() && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Until the user has a file of their own, the one that a redirected save left in the VirtualStore, then
// the Windows directory's.
std::wstring startingFile()
{
    const std::wstring redirected = virtualStoreFile();
    return fileExists(redirected) ? redirected : windowsFile;
}

// Reads come from the user's file once it exists; without an application-data folder the settings stay in
// the Windows directory, as on the systems that have none.
std::wstring fileToRead()
{
    const std::wstring user = userFile(false);
    return fileExists(user) ? user : startingFile();
}

// The first save carries the whole section of the starting file over, so that a parking value, which a
// save never rewrites, keeps its text.
std::wstring fileToWrite()
{
    const std::wstring user = userFile(true);
    if (user.empty() || fileExists(user))
        return user.empty() ? windowsFile : user;
    wchar_t startingValues[sectionBufferSize];
    if (GetPrivateProfileSectionW(section, startingValues, sectionBufferSize, startingFile().c_str()) > 0)
        WritePrivateProfileSectionW(section, startingValues, user.c_str());
    return user;
}

// The user's own "Closing allowed", which the saves write back; the Windows directory's file holds the
// administrator's, never the user's.
BYTE usersClosingAllowed;

// "Closing allowed" is the administrator's setting: where the Windows directory's file has it, that wins
// over the user's file, whose own value is kept for the day the administrator's goes.
bool readClosingAllowed(const std::wstring& file)
{
    usersClosingAllowed = file != windowsFile && readFlag(file, "Closing allowed", "N");
    const std::wstring administrators = readValue(windowsFile, "Closing allowed", noValue);
    if (administrators != noValue)
        return equalsIgnoringAsciiCase(administrators.c_str(), "Y");
    return usersClosingAllowed;
}

} // namespace

void loadSettings()
{
    const std::wstring file = fileToRead();
    app.showNumbers = readFlag(file, "Numbers", "Y");
    app.phoneLayout = readFlag(file, "Phone", "N");
    app.showFunctionKeys = readFlag(file, "Function keys", "N");
    app.hardwareKeyboard = readFlag(file, "Hardware Keyboard", "N");
    app.closingAllowed = readClosingAllowed(file);
    app.switchAllowed = readFlag(file, "Switch allowed", "N");
    app.keyRepeat = readFlag(file, "Key Repeat", "Y");
    app.wordSuggestions = readFlag(file, "Word Suggestions", "N");
    app.clickSound = readFlag(file, "Click Sound", "N");
    app.fade = readFlag(file, "Fade", "N");
    app.framePosition = readPosition(file);
    app.parkingX = readParking(file, "Parking X", app.screenWidth - GetSystemMetrics(SM_CXICON));
    app.parkingY = readParking(file, "Parking Y", app.screenHeight - GetSystemMetrics(SM_CYICON));
    app.keySize = readSize(file);
    app.selectKeys = static_cast<SelectKeys>(readChoice(file, "Select Keys", selectNames));
    app.hoverTime = readTime(file, "Hover Time");
    app.scanTime = readTime(file, "Scan Time");
    app.scanSwitch = static_cast<ScanSwitch>(readChoice(file, "Scan Switch", switchNames));
    app.colors = static_cast<ColorsSetting>(readChoice(file, "Colors", colorsNames));
    app.shapeWriting = readFlag(file, "Shape Writing", "Y");
    app.scanOrder = static_cast<ScanOrderSetting>(readChoice(file, "Scan Order", scanOrderNames));
}

// A parking value that was valid at load is never written, so a hand edit of it survives.
void saveSettings()
{
    const std::wstring file = fileToWrite();
    if (app.parkingX < 0)
        writeValue(file, "Parking X", "3000");
    if (app.parkingY < 0)
        writeValue(file, "Parking Y", "3000");
    writeValue(file, "Numbers", flagText(app.showNumbers));
    writeValue(file, "Phone", flagText(app.phoneLayout));
    writeValue(file, "Function keys", flagText(app.showFunctionKeys));
    writeValue(file, "Hardware Keyboard", flagText(app.hardwareKeyboard));
    writeValue(file, "Size", sizeNames[app.keySize - 1]);
    writeValue(file, "Closing allowed", flagText(usersClosingAllowed));
    writeValue(file, "Switch allowed", flagText(app.switchAllowed));
    writeValue(file, "Key Repeat", flagText(app.keyRepeat));
    writeValue(file, "Word Suggestions", flagText(app.wordSuggestions));
    writeValue(file, "Click Sound", flagText(app.clickSound));
    writeValue(file, "Fade", flagText(app.fade));
    writePosition(file, app.framePosition);
    writeValue(file, "Select Keys", selectNames[app.selectKeys]);
    writeValue(file, "Hover Time", std::to_string(app.hoverTime).c_str());
    writeValue(file, "Scan Time", std::to_string(app.scanTime).c_str());
    writeValue(file, "Scan Switch", switchNames[app.scanSwitch]);
    writeValue(file, "Colors", colorsNames[app.colors]);
    writeValue(file, "Shape Writing", flagText(app.shapeWriting));
    writeValue(file, "Scan Order", scanOrderNames[app.scanOrder]);
}

bool closingAllowedNow()
{
    app.closingAllowed = readClosingAllowed(fileToRead());
    return app.closingAllowed;
}
