// Recording key messages in a window of the test's own and reading keyrecorder.exe's journal.
#include "support/keyrecord.h"

#include <cstdio>

#include "support/journalfollower.h"

namespace {

KeyLines recorded;

const char* kindOf(UINT message)
{
    switch (message) {
    case WM_KEYDOWN: return "down";
    case WM_KEYUP: return "up";
    case WM_SYSKEYDOWN: return "sysdown";
    case WM_SYSKEYUP: return "sysup";
    case WM_CHAR: return "char";
    case WM_SYSCHAR: return "syschar";
    default: return nullptr;
    }
}

// A character typed with VK_PACKET carries the character in the high word of wParam.
LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const char* kind = kindOf(message)) {
        recorded.push_back(keyLine(kind, LOWORD(wParam)));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

HWND createKeyRecordingWindow()
{
    static const ATOM recordingClass = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = recordingProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = "KeyRecordingWindow";
        return RegisterClassA(&windowClass);
    }();
    recorded.clear();
    return CreateWindowExA(0, MAKEINTATOM(recordingClass), "Key recording", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           100, 550, 300, 150, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

KeyLines takeRecordedKeys()
{
    KeyLines lines;
    lines.swap(recorded);
    return lines;
}

KeyLines journalLines(const std::string& path)
{
    KeyLines lines;
    for (const JournalLine& line : JournalFollower(path).newLines())
        lines.push_back(keyLine(line.kind.c_str(), line.code));
    return lines;
}

KeyLines journalScanCodes(const std::string& path)
{
    KeyLines lines;
    for (const JournalLine& line : JournalFollower(path).newLines()) {
        if (line.kind == "char" || line.kind == "syschar")
            continue;
        char scanCode[8];
        snprintf(scanCode, sizeof scanCode, " %04X", line.scanCode);
        lines.push_back(keyLine(line.kind.c_str(), line.code) + scanCode);
    }
    return lines;
}

KeyLines strokesOf(const KeyLines& lines)
{
    KeyLines strokes;
    for (const std::string& line : lines) {
        if (line.rfind("sys", 0) == 0 && line.rfind("syschar", 0) != 0)
            strokes.push_back(line.substr(3));
        else if (line.rfind("down", 0) == 0 || line.rfind("up", 0) == 0)
            strokes.push_back(line);
    }
    return strokes;
}

std::string charactersOf(const KeyLines& lines)
{
    std::string characters;
    for (const std::string& line : lines)
        if (line.rfind("char ", 0) == 0 || line.rfind("syschar ", 0) == 0)
            characters += static_cast<char>(std::stoul(line.substr(line.find(' ') + 1), nullptr, 16));
    return characters;
}

KeyLines keystroke(BYTE vk, bool shift, bool ctrl, bool alt)
{
    KeyLines lines;
    if (alt)
        lines.push_back(keyLine("down", VK_MENU));
    if (ctrl)
        lines.push_back(keyLine("down", VK_CONTROL));
    if (shift)
        lines.push_back(keyLine("down", VK_SHIFT));
    lines.push_back(keyLine("down", vk));
    lines.push_back(keyLine("up", vk));
    if (shift)
        lines.push_back(keyLine("up", VK_SHIFT));
    if (ctrl)
        lines.push_back(keyLine("up", VK_CONTROL));
    if (alt)
        lines.push_back(keyLine("up", VK_MENU));
    return lines;
}

std::string keyLine(const char* kind, unsigned code)
{
    char line[32];
    snprintf(line, sizeof line, "%s %02X", kind, code);
    return line;
}
