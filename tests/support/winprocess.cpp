// Starting, waiting for and ending Windows programs, and finding their windows and message boxes.
#include "support/winprocess.h"

#include <psapi.h>
#include <tlhelp32.h>

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        pumpFor(10);
    }
    return true;
}

void pumpFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (GetTickCount() - start < milliseconds && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
}

std::string directoryOf(const std::string& path)
{
    return path.substr(0, path.find_last_of("\\/"));
}

std::string testsDirectory()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return directoryOf(path);
}

namespace {

constexpr DWORD emulatedStartWait = 600000;

std::string chosenBinDirectory()
{
    char path[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA("TILFAY_BIN", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "";
    std::string directory = path;
    if (directory.front() == '/')
        directory = "Z:" + directory;
    for (char& ch : directory)
        if (ch == '/')
            ch = '\\';
    return directory;
}

} // namespace

std::string binDirectory()
{
    const std::string chosen = chosenBinDirectory();
    return chosen.empty() ? directoryOf(testsDirectory()) + "\\bin" : chosen;
}

std::string partialHookPath()
{
    return directoryOf(binDirectory()) + "\\tests\\partialhook\\Tilmhk32.dll";
}

DWORD startWait()
{
    return chosenBinDirectory().empty() ? longWait : emulatedStartWait;
}

std::string tilfayPath()
{
    return binDirectory() + "\\Tilfay.exe";
}

std::string makeTempDirectory()
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    for (unsigned n = GetTickCount();; ++n) {
        const std::string path = std::string(base) + "tilfay" + std::to_string(n);
        if (CreateDirectoryA(path.c_str(), nullptr))
            return path;
    }
}

void copyInto(const std::string& file, const std::string& directory)
{
    const std::string name = file.substr(file.find_last_of("\\/") + 1);
    CopyFileA(file.c_str(), (directory + "\\" + name).c_str(), FALSE);
}

Program::Program(const std::string& commandLine, const std::string& directory)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                   directory.empty() ? nullptr : directory.c_str(), &startup, &info_);
}

Program::~Program()
{
    end();
}

bool Program::started() const
{
    return info_.hProcess != nullptr;
}

DWORD Program::id() const
{
    return info_.dwProcessId;
}

DWORD Program::waitForExit(DWORD timeoutMs) const
{
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool Program::hasLoaded(const char* moduleName) const
{
    HMODULE modules[512];
    DWORD bytes = 0;
    // All modules, so that a 32-bit program's own are listed too, not only the 64-bit ones it runs on.
    if (!EnumProcessModulesEx(info_.hProcess, modules, sizeof modules, &bytes, LIST_MODULES_ALL))
        return false;
    for (DWORD i = 0; i < bytes / sizeof(HMODULE); ++i) {
        char name[MAX_PATH];
        if (GetModuleBaseNameA(info_.hProcess, modules[i], name, MAX_PATH) &&
            lstrcmpiA(name, moduleName) == 0)
            return true;
    }
    return false;
}

bool Program::isWow64() const
{
    BOOL wow64 = FALSE;
    return IsWow64Process(info_.hProcess, &wow64) && wow64;
}

bool Program::waitForInputIdle(DWORD timeoutMs) const
{
    return WaitForInputIdle(info_.hProcess, timeoutMs) == 0;
}

void Program::end()
{
    if (!info_.hProcess)
        return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, shortWait);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    info_ = PROCESS_INFORMATION{};
}

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId)
        search->found.push_back(window);
    return TRUE;
}

HWND matchingWindow(DWORD processId, const char* wantedClass, const char* title)
{
    for (HWND window : topLevelWindowsOf(processId))
        if (className(window) == wantedClass && (!title || windowText(window) == title))
            return window;
    return nullptr;
}

} // namespace

std::vector<HWND> topLevelWindowsOf(DWORD processId)
{
    WindowSearch search{processId, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitForWindow(DWORD processId, const char* wantedClass, const char* title, DWORD timeoutMs)
{
    HWND window = nullptr;
    waitUntil([&] { return (window = matchingWindow(processId, wantedClass, title)) != nullptr; }, timeoutMs);
    return window;
}

HWND waitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs)
{
    return waitForWindow(processId, "#32770", caption, timeoutMs);
}

std::string windowText(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string className(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string messageBoxText(HWND box)
{
    return windowText(GetDlgItem(box, 0xFFFF));
}

void pressMessageBoxOk(HWND box)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

double threadTimeOf(DWORD processId)
{
    const auto milliseconds = [](const FILETIME& time) {
        return static_cast<double>(ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart) / 1e4;
    };
    double total = 0;
    HANDLE threads = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(threads, &entry); more; more = Thread32Next(threads, &entry)) {
        HANDLE thread = entry.th32OwnerProcessID == processId
                            ? OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID)
                            : nullptr;
        FILETIME created, ended, kernel, user;
        if (thread && GetThreadTimes(thread, &created, &ended, &kernel, &user))
            total += milliseconds(kernel) + milliseconds(user);
        if (thread)
            CloseHandle(thread);
    }
    CloseHandle(threads);
    return total;
}
