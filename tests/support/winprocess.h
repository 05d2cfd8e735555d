// Starting, waiting for and ending Windows programs, and finding their windows and message boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Every wait in the tests is bounded by one of these.
constexpr DWORD shortWait = 5000;
constexpr DWORD longWait = 20000;

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs);
// Lets the test's own windows handle their messages while it waits.
void pumpFor(DWORD milliseconds);

std::string directoryOf(const std::string& path);
std::string testsDirectory();
// Where the keyboard under test and its hook library stand: the directory that the environment variable
// TILFAY_BIN names (a Unix path is taken through Wine's drive Z:), which the 32-bit cases point at the
// 32-bit build, or else the bin directory beside the tests.
std::string binDirectory();
std::string tilfayPath();
// The test hook library that lacks its seventh entry point, built beside the keyboard under test.
std::string partialHookPath();
// How long the keyboard under test may take to start: minutes for a build from TILFAY_BIN, which runs
// emulated here (the 32-bit one), else longWait.
DWORD startWait();
// A new empty directory under the prefix's temporary directory.
std::string makeTempDirectory();
void copyInto(const std::string& file, const std::string& directory);

// A started program, ended by process id when it goes out of scope.
class Program {
public:
    explicit Program(const std::string& commandLine, const std::string& directory = "");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const;
    DWORD id() const;
    // The exit code, or STILL_ACTIVE when the program has not ended within the time.
    DWORD waitForExit(DWORD timeoutMs) const;
    bool hasLoaded(const char* moduleName) const;
    bool isWow64() const;
    // True once the program waits in its message loop.
    bool waitForInputIdle(DWORD timeoutMs) const;
    void end();

private:
    PROCESS_INFORMATION info_{};
};

std::vector<HWND> topLevelWindowsOf(DWORD processId);
// The processor time the program's own threads have used, in milliseconds. (Under Wine the process's own
// times also count the platform's work for it, which its threads do not.)
double threadTimeOf(DWORD processId);
HWND waitForWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs);
HWND waitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs);
std::string windowText(HWND window);
std::string className(HWND window);
std::string messageBoxText(HWND box);
void pressMessageBoxOk(HWND box);
