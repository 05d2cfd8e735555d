// What a held key offers and how a layout's answers decide between a key and a character: pure decisions
// with the answers written out.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "letters/forms.h"
#include "letters/layoutanswers.h"

namespace {

constexpr LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID german = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
constexpr LANGID french = MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH);
constexpr LANGID turkish = MAKELANGID(LANG_TURKISH, SUBLANG_DEFAULT);
constexpr LANGID polish = MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT);

// The rows as the users were promised them: the key's character, then its forms, in small letters.
constexpr const wchar_t* promisedRows =
    L"a à á â ä æ ã å ā ą ă · c ç ć č ĉ ċ · d ď đ ð · e é è ê ë ē ę ė ě · g ğ ĝ ġ ģ · h ĥ ħ · "
    L"i í ì î ï ī į ı · j ĵ · k ķ · l ł ľ ĺ ļ · n ñ ń ň ņ · o ó ò ô ö õ ø œ ō ő · r ř ŕ · "
    L"s ß ś š ş ș ŝ · t ť ţ ț þ · u ú ù û ü ū ů ű ų ŭ · w ŵ · y ý ÿ ŷ · z ž ź ż · $ € £ ¥ ¢ · ? ¿ · ! ¡ · "
    L"\" “ ” „ « » · ' ‘ ’ ‚ · - – —";

std::wstring withoutBlanks(std::wstring row)
{
    row.erase(std::remove(row.begin(), row.end(), L' '), row.end());
    return row;
}

// Capitals are the platform's upper-case forms, but for the two it has none of: ẞ for ß and İ in i's row.
std::wstring capitalsOf(std::wstring row)
{
    CharUpperBuffW(&row[0], static_cast<DWORD>(row.size()));
    std::replace(row.begin(), row.end(), L'ß', L'ẞ');
    std::replace(row.begin(), row.end(), L'ı', L'İ');
    return row;
}

} // namespace

TEST(OfferingForms, EveryKeyOffersItsFormsInOrderInTheCaseOfThePressWithTheWritersLettersFirst)
{
    const std::wstring rows = promisedRows;
    for (size_t start = 0; start < rows.size();) {
        const size_t end = std::min(rows.find(L" · ", start), rows.size());
        const std::wstring row = withoutBlanks(rows.substr(start, end - start));
        EXPECT_EQ(formsOf(row[0], false, english), row);
        EXPECT_EQ(formsOf(row[0], true, english), capitalsOf(row));
        start = end + 3;
    }
    struct Writer {
        wchar_t key;
        bool capitals;
        LANGID language;
        const wchar_t* cells;
    };
    const Writer writers[] = {
        {L'a', false, german, L"aäàáâæãåāąă"},
        {L's', true, german, L"SẞŚŠŞȘŜ"},
        {L'a', false, french, L"aàâæáäãåāąă"},
        {L'e', true, french, L"EÉÈÊËĒĘĖĚ"},
        {L'i', false, turkish, L"iıíìîïīį"},
        {L'i', true, turkish, L"IİÍÌÎÏĪĮ"},
        {L'z', false, polish, L"zźżž"},
        {L'x', false, german, L""},
        {L'1', true, english, L""},
    };
    for (const Writer& writer : writers)
        EXPECT_EQ(formsOf(writer.key, writer.capitals, writer.language), writer.cells) << writer.key;
}

// Wine here offers only the US layout, so the answers of US-International, German and French are written
// out: VkKeyScanExA's key with shift (bit 0 of the high byte) or AltGr (bits 1 and 2), and what ToUnicodeEx
// types with that key alone and with shift (its count, -1 for a dead key, and the character).
TEST(TypingThroughTheLayout, AltGrAndDeadKeysInTheShiftStateTypedGoOutAsCharacters)
{
    struct Answer {
        wchar_t ch;
        LayoutAnswers answers;
        SHORT keyStroke;
    };
    const Answer usInternational[] = {
        {'^', {0x0136, {1, '6'}, {-1, '^'}}, -1},    {'6', {0x0036, {1, '6'}, {-1, '^'}}, 0x0036},
        {'\'', {0x00DE, {-1, '\''}, {-1, '"'}}, -1}, {'"', {0x01DE, {-1, '\''}, {-1, '"'}}, -1},
        {'~', {0x01C0, {-1, '`'}, {-1, '~'}}, -1},   {'@', {0x0132, {1, '2'}, {1, '@'}}, 0x0132},
        {'-', {0x00BD, {1, '-'}, {1, '_'}}, 0x00BD},
    };
    const Answer german[] = {
        {'^', {0x00DC, {-1, '^'}, {1, L'\u00B0'}}, -1},  {'&', {0x0136, {1, '6'}, {1, '&'}}, 0x0136},
        {'`', {0x01DD, {-1, L'\u00B4'}, {-1, '`'}}, -1}, {'@', {0x0651, {1, 'q'}, {1, 'Q'}}, -1},
        {'~', {0x06BB, {1, '+'}, {1, '*'}}, -1},         {'#', {0x00BF, {1, '#'}, {1, '\''}}, 0x00BF},
        {'"', {0x0132, {1, '2'}, {1, '"'}}, 0x0132},     {'z', {0x0059, {1, 'z'}, {1, 'Z'}}, 0x0059},
    };
    for (const Answer& answer : usInternational)
        EXPECT_EQ(keyStrokeFor(answer.ch, answer.answers), answer.keyStroke)
            << "US-International " << char(answer.ch);
    for (const Answer& answer : german)
        EXPECT_EQ(keyStrokeFor(answer.ch, answer.answers), answer.keyStroke) << "German " << char(answer.ch);
    EXPECT_EQ(keyStrokeFor('x', {-1, {0, 0}, {0, 0}}), -1) << "a character the layout lacks";
}

// French AZERTY with Caps Lock on: the number row's keys type their digits without shift and their signs
// with it, the other way round from VkKeyScanExA's answer, which knows no Caps Lock; the comma's key is not
// turned, and a small letter takes shift.
TEST(TypingThroughTheLayout, CapsLockOnAzertyTurnsTheNumberRowAndTheKeyIsChosenByWhatItTypes)
{
    struct Answer {
        wchar_t ch;
        LayoutAnswers answers;
        SHORT keyStroke;
    };
    const Answer capsLockOff[] = {
        {'1', {0x0131, {1, '&'}, {1, '1'}}, 0x0131},
        {'&', {0x0031, {1, '&'}, {1, '1'}}, 0x0031},
        {',', {0x00BC, {1, ','}, {1, '?'}}, 0x00BC},
    };
    const Answer capsLockOn[] = {
        {'1', {0x0131, {1, '1'}, {1, '&'}}, 0x0031},       {'&', {0x0031, {1, '1'}, {1, '&'}}, 0x0131},
        {'2', {0x0132, {1, '2'}, {1, L'\u00E9'}}, 0x0032}, {',', {0x00BC, {1, ','}, {1, '?'}}, 0x00BC},
        {'a', {0x0041, {1, 'A'}, {1, 'a'}}, 0x0141},
    };
    for (const Answer& answer : capsLockOff)
        EXPECT_EQ(keyStrokeFor(answer.ch, answer.answers), answer.keyStroke) << "off " << char(answer.ch);
    for (const Answer& answer : capsLockOn)
        EXPECT_EQ(keyStrokeFor(answer.ch, answer.answers), answer.keyStroke) << "on " << char(answer.ch);
}

// The case a held letter's forms come in is the case its press typed: shift, cap and the target's Caps
// Lock, each turning it once.
TEST(TypingThroughTheLayout, AHeldLettersCaseFollowsShiftCapAndCapsLockEachTurningIt)
{
    struct Case {
        bool shift;
        bool cap;
        bool capsLock;
        bool capital;
    };
    const Case cases[] = {
        {false, false, false, false}, {true, false, false, true}, {false, true, false, true},
        {true, true, false, false},   {false, false, true, true}, {true, false, true, false},
        {false, true, true, false},   {true, true, true, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(letterTypedCapital(c.shift, c.cap, c.capsLock), c.capital)
            << c.shift << c.cap << c.capsLock;
}
