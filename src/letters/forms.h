// The accented forms that a held key offers, in capitals when asked, with the writer's own letters first.
#pragma once

#include <windows.h>

#include <string>

// The cells of a held key's popup: the key's own character, then its forms; empty for a character without
// forms. The letters of the language (a LANGID) come first, in that language's own order.
std::wstring formsOf(wchar_t ch, bool capitals, LANGID language);
// The case a letter key types: cap, a caps lock of the keyboard's own, goes out as shift, so shift and cap
// together type a small letter; the target's Caps Lock then turns the case once more.
bool letterTypedCapital(bool shift, bool cap, bool capsLock);
