// Help: the help file is looked for in the program's own directory, whatever the current directory is.
#include "options/help.h"

#include <shellapi.h>

namespace {

bool isFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// ShellExecuteEx may hand the page over through COM, which the keyboard's thread has initialised from its
// start. Only the program that opens the page may take the foreground: the one started, where the platform
// names it, or else whichever takes the page.
bool openPage(HWND frame, const std::string& page)
{
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = frame;
    info.lpVerb = "open";
    info.lpFile = page.c_str();
    info.nShow = SW_SHOWNORMAL;
    const bool opened = ShellExecuteExA(&info);
    if (info.hProcess) {
        AllowSetForegroundWindow(GetProcessId(info.hProcess));
        CloseHandle(info.hProcess);
    } else if (opened) {
        AllowSetForegroundWindow(ASFW_ANY);
    }
    return opened;
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
    const std::string page = fileBeside(moduleName, length, guidePageName);
    if (!openPage(frame, page))
        MessageBoxA(frame, ("The help page could not be opened:\r\n" + page).c_str(), "Tilfay Keyboard",
                    MB_OK | MB_ICONWARNING);
}
