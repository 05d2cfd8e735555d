// The keyboard's settings file as a test sees it: its path, its raw text and its keys in file order.
#pragma once

#include <string>
#include <utility>
#include <vector>

constexpr const char* settingsFileName = "Tilfay.ini";
constexpr const char* settingsSection = "Tilfay";

// The Windows directory's "Tilfay.ini", where the profile-file services keep a file named without a path.
std::string settingsFilePath();
bool settingsFileExists();
// Removes the file, read-only or not, or a directory of that name.
void deleteSettingsFile();
// Writes the bytes as an editor would, replacing the whole file.
void writeSettingsFile(const std::string& bytes);
// The raw bytes, or an empty string when there is no file.
std::string readSettingsFile();

using SettingsEntry = std::pair<std::string, std::string>;
// The key=value lines of the section "Tilfay" in the order the file holds them, names and values trimmed.
std::vector<SettingsEntry> settingsEntries(const std::string& text);
std::vector<SettingsEntry> settingsEntries();

// Marks a value that the platform's profile services do not find.
constexpr const char* missingValue = "<missing>";
// One value as the platform's profile services read it from the disk, or missingValue.
std::string profileValue(const char* key, const char* section = settingsSection);
