// The accessibility rule for password boxes, over the answers the platform's objects give.
#include <gtest/gtest.h>

#include <oleacc.h>

#include "suggestions/passwordfield.h"

namespace {

constexpr LONG focusedBox = STATE_SYSTEM_FOCUSED | STATE_SYSTEM_FOCUSABLE;

TEST(PasswordField, AProtectedStateThatCameSaysPasswordAFailedCallSaysNothing)
{
    struct Case {
        const char* kind;
        AccessibleAnswers answers;
        bool password;
    };
    const Case cases[] = {
        {"an edit with ES_PASSWORD through the standard object",
         {S_OK, S_OK, focusedBox | STATE_SYSTEM_PROTECTED, E_FAIL, 0},
         true},
        {"an ordinary edit", {S_OK, S_OK, focusedBox, E_FAIL, 0}, false},
        {"a browser's focused password element",
         {S_OK, S_OK, STATE_SYSTEM_FOCUSABLE, S_OK, focusedBox | STATE_SYSTEM_PROTECTED},
         true},
        {"a browser's focused text element", {S_OK, S_OK, STATE_SYSTEM_FOCUSABLE, S_OK, focusedBox}, false},
        {"a control's own object from another process under Wine",
         {E_NOINTERFACE, E_FAIL, 0, E_FAIL, 0},
         false},
        {"a state call that failed while its value says protected",
         {S_OK, RPC_E_DISCONNECTED, STATE_SYSTEM_PROTECTED, E_FAIL, 0},
         false},
        {"a child's state call that failed",
         {S_OK, S_OK, focusedBox, RPC_E_CALL_REJECTED, STATE_SYSTEM_PROTECTED},
         false},
        {"no object", {E_FAIL, S_OK, STATE_SYSTEM_PROTECTED, S_OK, STATE_SYSTEM_PROTECTED}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isProtectedByAnswers(c.answers), c.password) << c.kind;
}

// Their keys go on to a shell or another computer that may be asking for a password.
TEST(PrivateWindows, ConsolesTerminalsRemoteSessionsAndVirtualMachines)
{
    for (const char* name :
         {"ConsoleWindowClass", "WineConsoleClass", "CASCADIA_HOSTING_WINDOW_CLASS", "PuTTY", "mintty",
          "TscShellContainerClass", "IHWindowClass", "consolewindowclass"})
        EXPECT_TRUE(isPrivateWindowClass(name)) << name;
    for (const char* name : {"Notepad", "Edit", "Chrome_WidgetWin_1", "PuTTYConfigBox", ""})
        EXPECT_FALSE(isPrivateWindowClass(name)) << name;
    EXPECT_TRUE(isPrivateProgram(L"VirtualBoxVM.exe"));
    EXPECT_TRUE(isPrivateProgram(L"VMCONNECT.EXE"));
    EXPECT_FALSE(isPrivateProgram(L"notepad.exe"));
}

} // namespace
