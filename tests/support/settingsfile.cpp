// The keyboard's settings file as a test sees it: its path, its raw text and its keys in file order.
#include "support/settingsfile.h"

#include <windows.h>

#include <shlobj.h>

#include <vector>

namespace {

std::string trimmed(const std::string& text)
{
    const char* blanks = " \t\r";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The profile services cache a file per process and may serve an edit made behind their back from that
// cache; flushing it makes the next read come from the disk, as a fresh run of the keyboard would.
void flushProfileCache()
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, settingsFilePath().c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, settingsFileName);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, virtualStoreSettingsFilePath().c_str());
}

void deleteFile(const std::string& path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    RemoveDirectoryA(path.c_str());
}

} // namespace

std::string settingsFolder()
{
    char appData[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, appData);
    return std::string(appData) + "\\Tilfay";
}

std::string settingsFilePath()
{
    return settingsFolder() + "\\" + settingsFileName;
}

std::string windowsSettingsFilePath()
{
    char directory[MAX_PATH];
    GetWindowsDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\" + settingsFileName;
}

std::string virtualStoreSettingsFilePath()
{
    char localAppData[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, localAppData);
    char directory[MAX_PATH];
    GetWindowsDirectoryA(directory, MAX_PATH);
    return std::string(localAppData) + "\\VirtualStore" + (directory + 2) + "\\" + settingsFileName;
}

bool settingsFileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void deleteSettingsFile()
{
    // A write that failed may still wait in the cache; drop it before the file goes.
    flushProfileCache();
    deleteFile(settingsFilePath());
    RemoveDirectoryA(settingsFolder().c_str());
    deleteFile(windowsSettingsFilePath());
    deleteFile(virtualStoreSettingsFilePath());
    flushProfileCache();
}

void writeSettingsFile(const std::string& bytes, const std::string& path)
{
    for (auto end = path.find('\\', 3); end != std::string::npos; end = path.find('\\', end + 1))
        CreateDirectoryA(path.substr(0, end).c_str(), nullptr);
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    flushProfileCache();
}

void writeSetting(const char* key, const char* value)
{
    CreateDirectoryA(settingsFolder().c_str(), nullptr);
    WritePrivateProfileStringA(settingsSection, key, value, settingsFilePath().c_str());
}

std::string readSettingsFile(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "";
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    CloseHandle(file);
    return bytes;
}

std::vector<SettingsEntry> settingsEntries(const std::string& text)
{
    std::vector<SettingsEntry> entries;
    bool inSection = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line.front() == '[') {
            inSection = lstrcmpiA(trimmed(line.substr(1, line.find(']') - 1)).c_str(), settingsSection) == 0;
            continue;
        }
        const auto equals = line.find('=');
        if (inSection && equals != std::string::npos)
            entries.emplace_back(trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)));
    }
    return entries;
}

std::vector<SettingsEntry> settingsEntries()
{
    return settingsEntries(readSettingsFile());
}

std::string profileValue(const char* key, const char* section)
{
    flushProfileCache();
    std::vector<char> value(65536);
    GetPrivateProfileStringA(section, key, missingValue, value.data(), static_cast<DWORD>(value.size()),
                             settingsFilePath().c_str());
    return value.data();
}
