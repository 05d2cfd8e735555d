// The fatal errors: a message box with the error's text, then the end of the process with its code.
#pragma once

enum FatalCode {
    fatalOldWindows = -100,
    fatalCannotLoadHook = -101,
    fatalCannotFreeHook = -102,
    fatalRegisterFailed = -103,
    fatalMainWindowFailed = -104,
    fatalKeyboardFailed = -105,
    fatalCaptionFailed = -106,
};

const char* fatalErrorText(int code);
[[noreturn]] void fatalError(int code);
