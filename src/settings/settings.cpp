// The settings file: ten keys of section "Tilfay" in "Tilfay.ini", which the profile-file services keep
// in the Windows directory.
#include "settings/settings.h"

#include <windows.h>

#include "shell/appstate.h"

namespace {

constexpr const char* section = "Tilfay";
constexpr const char* file = "Tilfay.ini";
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

} // namespace

void loadSettings()
{
    app.showNumbers = readFlag("Numbers", "Y");
    app.phoneLayout = readFlag("Phone", "N");
    app.showFunctionKeys = readFlag("Function keys", "N");
    app.hardwareKeyboard = readFlag("Hardware Keyboard", "N");
    app.closingAllowed = readFlag("Closing allowed", "N");
    app.switchAllowed = readFlag("Switch allowed", "N");
    app.keyRepeat = readFlag("Key Repeat", "Y");
    app.parkingX = readParking("Parking X", app.screenWidth - GetSystemMetrics(SM_CXICON));
    app.parkingY = readParking("Parking Y", app.screenHeight - GetSystemMetrics(SM_CYICON));
    app.keySize = readSize();
}

// A parking value that was valid at load is never written, so a hand edit of it survives.
void saveSettings()
{
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
}

bool closingAllowedNow()
{
    app.closingAllowed = readFlag("Closing allowed", "N");
    return app.closingAllowed;
}
