// The constant key tables. The pad keys are numbered column by column: 100..105 are the first pad
// column from top to bottom, 106..111 the second, 112..117 the third.
#include "keys/keytables.h"

const char letterLayout[letterCount + 1] = "ZVCHWKTILFAYNEGDORSBQJUMPX";

// A letter key sends the virtual key of its upper-case letter; punctuation and pad keys send characters.
// clang-format off
const BYTE virtualKeyOfKey[highestKeyId + 1] = {
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    // 0..9
    0,    'Z',  'V',  'C',  'H',  'W',  'K',  'T',  'I',  'L',  // 10..19
    'F',  'A',  'Y',  'N',  'E',  'G',  'D',  'O',  'R',  'S',  // 20..29
    'B',  'Q',  'J',  'U',  'M',  'P',  'X',  0,    0,    0,    // 30..39
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    // 40..49
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    // 50..59
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    // 60..69
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    // 70..79
    0x20, 0x20, 0,    0,    0,    0,    0,    0x1B, 0x11, 0,    // 80..89: space bars, esc, ctrl, menu
    0,    0x09, 0x14, 0x10, 0,    0x08, 0x0D, 0x12, 0,    0,    // 90..99: del, tab, cap, shift, num, back, enter, alt
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    // 100..109
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    // 110..119
    0,    0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, // 120..129: F1..F9
    0x79, 0x7A, 0x7B,                                           // 130..132: F10..F12
};
// clang-format on

const char punctuationChars[punctuationCount + 1] = "!?:;-,.&()'\"<>";

const char calculatorPadChars[padKeyCount + 1] = "/741=@*8520#+963%$";
const char phonePadChars[padKeyCount + 1] = "/147=@*2580#+369%$";

// In navigation mode eight pad keys send a navigation key and show a Wingdings arrow; the other ten
// type a character.
// clang-format off
const BYTE navVirtualKeys[padKeyCount] = {
    0, VK_HOME,  VK_LEFT,  VK_END,  0, 0, // 100..105
    0, VK_UP,    0,        VK_DOWN, 0, 0, // 106..111
    0, VK_PRIOR, VK_RIGHT, VK_NEXT, 0, 0, // 112..117
};
// clang-format on
const char navPadChars[padKeyCount + 1] = "`   {[^ _ }]~   \\|";
const char navPadCaptions[padKeyCount + 1] = "`\xF5\xEF\xF7{[^\xF1_\xF2}]~\xF6\xF0\xF8\\|";

const BYTE navKeys[navKeyCount] = {101, 102, 103, 107, 109, 113, 114, 115};
const BYTE layoutDifferenceKeys[layoutDifferenceCount] = {101, 103, 107, 109, 113, 115};

bool isNavKey(int keyId)
{
    for (BYTE navKey : navKeys)
        if (navKey == keyId)
            return true;
    return false;
}
