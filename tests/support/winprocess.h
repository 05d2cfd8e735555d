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
std::string binDirectory();
std::string tilfayPath();
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
    // True once the program waits in its message loop.
    bool waitForInputIdle(DWORD timeoutMs) const;
    void end();

private:
    PROCESS_INFORMATION info_{};
};

std::vector<HWND> topLevelWindowsOf(DWORD processId);
HWND waitForWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs);
HWND waitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs);
std::string windowText(HWND window);
std::string className(HWND window);
std::string messageBoxText(HWND box);
void pressMessageBoxOk(HWND box);
