// Recognising what may be private: password boxes by the edit style, which is read without a message, and by
// the accessible state STATE_SYSTEM_PROTECTED, which browsers, WPF and UWP controls give (UI Automation's
// IsPassword reaches it through Windows' UI Automation to MSAA bridge); consoles, terminals, remote sessions
// and virtual machines by their windows, since they pass every key on to a password prompt the keyboard
// cannot see.
#include "suggestions/passwordfield.h"

#include <oleacc.h>

namespace {

// The accessibility calls send messages to the target; one that takes longer than this is not asked.
constexpr UINT answerWait = 100;

struct PrivateWindow {
    // A window class, or a program's file name where its windows have a class that other programs share.
    const char* className;
    const wchar_t* program;
};

// clang-format off
constexpr PrivateWindow privateWindows[] = {
    {"ConsoleWindowClass", nullptr},             // the Windows console
    {"WineConsoleClass", nullptr},               // Wine's console
    {"CASCADIA_HOSTING_WINDOW_CLASS", nullptr},  // Windows Terminal
    {"PuTTY", nullptr},                          // PuTTY
    {"KiTTY", nullptr},                          // KiTTY
    {"mintty", nullptr},                         // mintty: Git Bash, Cygwin, MSYS2
    {"VirtualConsoleClass", nullptr},            // ConEmu and Cmder
    {"TscShellContainerClass", nullptr},         // Remote Desktop Connection
    {"IHWindowClass", nullptr},                  // a remote session's input window, also in Hyper-V's viewer
    {"RAIL_WINDOW", nullptr},                    // a program of a remote session shown alone (RemoteApp)
    {"VMUIFrame", nullptr},                      // VMware Workstation
    {"VMPlayerFrame", nullptr},                  // VMware Workstation Player
    {nullptr, L"vmconnect.exe"},                 // Hyper-V's Virtual Machine Connection
    {nullptr, L"VirtualBoxVM.exe"},              // a VirtualBox machine's window
    {nullptr, L"VirtualBox.exe"},                // the same in older VirtualBox
};
// clang-format on

bool answersAtOnce(HWND focus)
{
    DWORD_PTR ignored = 0;
    return !IsHungAppWindow(GetAncestor(focus, GA_ROOT)) &&
           SendMessageTimeoutW(focus, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, answerWait, &ignored);
}

LONG stateOf(IAccessible* object, const VARIANT& child, HRESULT& asked)
{
    VARIANT state;
    VariantInit(&state);
    asked = object->get_accState(child, &state);
    const LONG value = SUCCEEDED(asked) && state.vt == VT_I4 ? state.lVal : 0;
    VariantClear(&state);
    return value;
}

AccessibleAnswers askAccessible(HWND focus)
{
    AccessibleAnswers answers{E_FAIL, E_FAIL, 0, E_FAIL, 0};
    IAccessible* object = nullptr;
    answers.found = AccessibleObjectFromWindow(focus, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                               reinterpret_cast<void**>(&object));
    if (FAILED(answers.found) || !object)
        return answers;
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    answers.state = stateOf(object, self, answers.stateAsked);
    VARIANT focused;
    VariantInit(&focused);
    if (SUCCEEDED(object->get_accFocus(&focused))) {
        if (focused.vt == VT_I4 && focused.lVal != CHILDID_SELF) {
            answers.childState = stateOf(object, focused, answers.childStateAsked);
        } else if (focused.vt == VT_DISPATCH && focused.pdispVal) {
            IAccessible* child = nullptr;
            if (SUCCEEDED(
                    focused.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&child)))) {
                answers.childState = stateOf(child, self, answers.childStateAsked);
                child->Release();
            }
        }
    }
    VariantClear(&focused);
    object->Release();
    return answers;
}

bool privateClassOf(HWND window)
{
    char name[64] = "";
    return GetClassNameA(window, name, sizeof name) && isPrivateWindowClass(name);
}

bool privateProgramOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return false;
    wchar_t path[MAX_PATH] = L"";
    DWORD length = MAX_PATH;
    const bool named = QueryFullProcessImageNameW(process, 0, path, &length);
    CloseHandle(process);
    const wchar_t* name = path;
    for (const wchar_t* c = path; *c; ++c)
        if (*c == L'\\' || *c == L'/')
            name = c + 1;
    return named && isPrivateProgram(name);
}

} // namespace

// The class of a window never changes and its program never does either: the last window's answer is kept.
bool isPrivateWindow(HWND focus)
{
    static HWND known;
    static bool knownPrivate;
    if (focus != known) {
        HWND topLevel = GetAncestor(focus, GA_ROOT);
        knownPrivate = privateClassOf(focus) || privateClassOf(topLevel) || privateProgramOf(focus);
        known = focus;
    }
    return knownPrivate;
}

bool isProtectedByAnswers(const AccessibleAnswers& answers)
{
    if (FAILED(answers.found))
        return false;
    return (SUCCEEDED(answers.stateAsked) && (answers.state & STATE_SYSTEM_PROTECTED)) ||
           (SUCCEEDED(answers.childStateAsked) && (answers.childState & STATE_SYSTEM_PROTECTED));
}

bool isPrivateWindowClass(const char* className)
{
    for (const PrivateWindow& window : privateWindows)
        if (window.className && lstrcmpiA(window.className, className) == 0)
            return true;
    return false;
}

bool isPrivateProgram(const wchar_t* fileName)
{
    for (const PrivateWindow& window : privateWindows)
        if (window.program && lstrcmpiW(window.program, fileName) == 0)
            return true;
    return false;
}

bool isPlainlyPrivate(HWND focus)
{
    return focus && ((GetWindowLongW(focus, GWL_STYLE) & ES_PASSWORD) || isPrivateWindow(focus));
}

bool isProtectedControl(HWND focus)
{
    if (!focus)
        return false;
    if (!answersAtOnce(focus))
        return true;
    return isProtectedByAnswers(askAccessible(focus));
}
