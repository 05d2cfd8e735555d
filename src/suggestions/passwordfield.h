// Whether the focus is in a password box, where nothing may be offered, tracked or learned.
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
// An edit control of any class with ES_PASSWORD, or a control whose accessible state is protected. A window
// that does not answer at once is not asked, and counts as a password box.
bool isPasswordField(HWND focus);
