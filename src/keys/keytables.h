// Key ids and the constant key tables: what each key types and shows.
#pragma once

#include <windows.h>

// Key ids are the control ids of the keys in every panel template and index every table.
constexpr int firstLetterKey = 11;
constexpr int lastLetterKey = 36;
constexpr int firstPunctuationKey = 37;
constexpr int lastPunctuationKey = 50;
constexpr int leftSpaceKey = 80;
constexpr int rightSpaceKey = 81;
constexpr int firstSpecialKey = 87;
constexpr int lastSpecialKey = 97;
constexpr int firstPadKey = 100;
constexpr int lastPadKey = 117;
constexpr int firstFunctionKey = 121;
constexpr int lastFunctionKey = 132;
constexpr int highestKeyId = 132;

constexpr int escKey = 87;
constexpr int ctrlKey = 88;
constexpr int menuKey = 89;
constexpr int delKey = 90;
constexpr int tabKey = 91;
constexpr int capKey = 92;
constexpr int shiftKey = 93;
constexpr int numKey = 94;
constexpr int backKey = 95;
constexpr int enterKey = 96;
constexpr int altKey = 97;
constexpr int ampersandKey = 44;

constexpr int letterCount = 26;
constexpr int punctuationCount = 14;
constexpr int padKeyCount = 18;
constexpr int navKeyCount = 8;
constexpr int layoutDifferenceCount = 6;

extern const char letterLayout[letterCount + 1];
extern const BYTE virtualKeyOfKey[highestKeyId + 1];
extern const char punctuationChars[punctuationCount + 1];
extern const char calculatorPadChars[padKeyCount + 1];
extern const char phonePadChars[padKeyCount + 1];
extern const BYTE navVirtualKeys[padKeyCount];
extern const char navPadChars[padKeyCount + 1];
extern const char navPadCaptions[padKeyCount + 1];
extern const BYTE navKeys[navKeyCount];
extern const BYTE layoutDifferenceKeys[layoutDifferenceCount];

bool isNavKey(int keyId);
