// Help: the help file is looked for in the program's own directory, whatever the current directory is.
#include "options/help.h"

namespace {

constexpr const char* helpFileName = "TILFAY.HLP";

} // namespace

std::string helpFileBeside(const char* moduleName, DWORD length)
{
    // A name that filled the buffer may have been cut short, and its directory with it; the bare name, which
    // WinHelp looks for along its own path, is better than a wrong directory.
    if (length == 0 || length >= moduleNameSize)
        return helpFileName;
    const std::string path(moduleName, length);
    std::string::size_type end = path.find_last_of('\\');
    if (end == std::string::npos)
        end = path.find_last_of(':');
    const std::string directory = end == std::string::npos ? std::string() : path.substr(0, end + 1);
    return directory + helpFileName;
}

void showHelp(HWND frame)
{
    char moduleName[moduleNameSize];
    const DWORD length = GetModuleFileNameA(nullptr, moduleName, moduleNameSize);
    WinHelpA(frame, helpFileBeside(moduleName, length).c_str(), HELP_CONTENTS, 0);
}
