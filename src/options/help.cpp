// Help: the help file is looked for in the program's own directory, whatever the current directory is.
#include "options/help.h"

#include <shellapi.h>

namespace {

bool isFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::string fileBeside(const char* moduleName, DWORD length, const char* fileName)
{
    // A name that filled the buffer may have been cut short, and its directory with it; the bare name, which
    // WinHelp looks for along its own path, is better than a wrong directory.
    if (length == 0 || length >= moduleNameSize)
        return fileName;
    const std::string path(moduleName, length);
    std::string::size_type end = path.find_last_of('\\');
    if (end == std::string::npos)
        end = path.find_last_of(':');
    const std::string directory = end == std::string::npos ? std::string() : path.substr(0, end + 1);
    return directory + fileName;
}

// Windows 10 and 11 have no WinHelp viewer and the release ships no help file, so there the user guide
// page opens in whatever the user reads web pages with; a help file placed beside the program still wins.
void showHelp(HWND frame)
{
    char moduleName[moduleNameSize];
    const DWORD length = GetModuleFileNameA(nullptr, moduleName, moduleNameSize);
    const std::string helpFile = fileBeside(moduleName, length, helpFileName);
    if (isFile(helpFile)) {
        WinHelpA(frame, helpFile.c_str(), HELP_CONTENTS, 0);
        return;
    }
    // The options dialog has just made this the foreground process; a browser that is already running
    // comes to the front only when this process lets it.
    AllowSetForegroundWindow(ASFW_ANY);
    ShellExecuteA(frame, "open", fileBeside(moduleName, length, guidePageName).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}
