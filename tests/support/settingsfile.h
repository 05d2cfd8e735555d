// The keyboard's settings file as a test sees it: its path, its raw text and its keys in file order.
#pragma once

#include <string>
#include <utility>
#include <vector>

constexpr const char* settingsFileName = "Tilfay.ini";
constexpr const char* settingsSection = "Tilfay";

// The user's own "%APPDATA%\Tilfay\Tilfay.ini", where the keyboard keeps its settings, and its folder.
std::string settingsFilePath();
std::string settingsFolder();
// The Windows directory's "Tilfay.ini", which the keyboard reads as the starting values of a user who has
// no file yet, and never writes.
std::string windowsSettingsFilePath();
// Where Windows Vista and later redirected the saves of a build without a manifest:
// "%LOCALAPPDATA%\VirtualStore\Windows\Tilfay.ini" for a Windows directory of "C:\Windows".
std::string virtualStoreSettingsFilePath();
bool settingsFileExists(const std::string& path = settingsFilePath());
// Removes the user's file and its folder, the VirtualStore's and the Windows directory's file, read-only or
// not, or directories of their names.
void deleteSettingsFile();
// Writes the bytes as an editor would, replacing the whole file (and making its folder).
void writeSettingsFile(const std::string& bytes, const std::string& path = settingsFilePath());
// The raw bytes, or an empty string when there is no file.
std::string readSettingsFile(const std::string& path = settingsFilePath());
// Sets one key of section "Tilfay" in the user's file through the profile-file services.
void writeSetting(const char* key, const char* value);

using SettingsEntry = std::pair<std::string, std::string>;
// The key=value lines of the section "Tilfay" in the order the file holds them, names and values trimmed.
std::vector<SettingsEntry> settingsEntries(const std::string& text);
std::vector<SettingsEntry> settingsEntries();

// Marks a value that the platform's profile services do not find.
constexpr const char* missingValue = "<missing>";
// One value as the platform's profile services read it from the disk, or missingValue.
std::string profileValue(const char* key, const char* section = settingsSection);
