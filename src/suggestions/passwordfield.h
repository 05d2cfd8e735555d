// Whether what is typed may be private, so that nothing may be offered, tracked or learned: a password box,
// or a window whose keys go on to a shell or another computer that may be asking for a password.
#pragma once

#include <windows.h>

// What the focused window's accessible object answered: whether it was found, its own state, and the
// state of its focused child (a browser's or a WPF window's element), each with the call's result.
struct AccessibleAnswers {
    HRESULT found;
    HRESULT stateAsked;
    LONG state;
    HRESULT childStateAsked;
    LONG childState;
};

// Protected when an answer that came says so; a call that failed says nothing.
bool isProtectedByAnswers(const AccessibleAnswers& answers);
// A console, a terminal, a remote session or a virtual machine's screen, by the class of the focused window
// or of its top-level window, or by the program that shows it (its file name).
bool isPrivateWindowClass(const char* className);
bool isPrivateProgram(const wchar_t* fileName);
// A window, or a window inside one, of a console, a terminal, a remote session or a virtual machine. Sends
// no message.
bool isPrivateWindow(HWND window);
// Sends no message, and so may be asked at every keystroke: an edit control of any class with ES_PASSWORD,
// or a private window.
bool isPlainlyPrivate(HWND focus);
// A control whose accessible state is protected. The question sends messages to the target and may pump
// this thread's messages while it waits: never asked while a tap is being handled. A window that does not
// answer at once is not asked, and counts as protected.
bool isProtectedControl(HWND focus);
