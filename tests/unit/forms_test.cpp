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

// Wine here offers only the US layout, so the answers of US-International and German are written out:
// VkKeyScanExA's key with shift (bit 0 of the high byte) or AltGr (bits 1 and 2), and what ToUnicodeEx
// counts for that key alone and with shift, -1 where it is a dead key.
TEST(TypingThroughTheLayout, AltGrAndDeadKeysInTheShiftStateTypedGoOutAsCharacters)
{
    struct Answer {
        char ch;
        LayoutAnswers answers;
        bool typedByKey;
    };
    const Answer usInternational[] = {
        {'^', {0x0136, 1, -1}, false},  {'6', {0x0036, 1, -1}, true},   {'\'', {0x00DE, -1, -1}, false},
        {'"', {0x01DE, -1, -1}, false}, {'~', {0x01C0, -1, -1}, false}, {'@', {0x0132, 1, 1}, true},
        {'-', {0x00BD, 1, 1}, true},
    };
    const Answer german[] = {
        {'^', {0x00DC, -1, 1}, false}, {'&', {0x0136, 1, 1}, true},  {'`', {0x01DD, -1, -1}, false},
        {'@', {0x0651, 1, 1}, false},  {'~', {0x06BB, 1, 1}, false}, {'#', {0x00BF, 1, 1}, true},
        {'"', {0x0132, 1, 1}, true},   {'z', {0x0059, 1, 1}, true},
    };
    for (const Answer& answer : usInternational)
        EXPECT_EQ(typedByItsKey(answer.answers), answer.typedByKey) << "US-International " << answer.ch;
    for (const Answer& answer : german)
        EXPECT_EQ(typedByItsKey(answer.answers), answer.typedByKey) << "German " << answer.ch;
    EXPECT_FALSE(typedByItsKey({-1, 0, 0})) << "a character the layout lacks";
}
