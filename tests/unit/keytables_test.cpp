// The constant key tables: what each key id sends and shows, checked entry by entry and by the relations
// that hold between the tables.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "keys/keytables.h"

namespace {

bool inRange(int id, int first, int last)
{
    return id >= first && id <= last;
}

bool isKeyInUse(int id)
{
    return inRange(id, 11, 36) || inRange(id, 37, 50) || id == 80 || id == 81 || inRange(id, 87, 97) ||
           inRange(id, 100, 117) || inRange(id, 121, 132);
}

const std::set<int> navKeySet = {101, 102, 103, 107, 109, 113, 114, 115};
const std::set<int> layoutDifferenceSet = {101, 103, 107, 109, 113, 115};

template <std::size_t n> std::set<int> asSet(const BYTE (&keys)[n])
{
    return std::set<int>(keys, keys + n);
}

} // namespace

TEST(KeyIds, EightyThreeIdsAreInUse)
{
    int inUse = 0;
    for (int id = 0; id <= highestKeyId; ++id)
        inUse += isKeyInUse(id);
    EXPECT_EQ(inUse, 83);
    EXPECT_EQ(highestKeyId, 132);
}

TEST(VirtualKeyOfKey, IsZeroForEveryIdNotInUse)
{
    for (int id = 0; id <= highestKeyId; ++id) {
        if (!isKeyInUse(id)) {
            EXPECT_EQ(virtualKeyOfKey[id], 0) << "id " << id;
        }
    }
}

TEST(VirtualKeyOfKey, IsZeroForPunctuationAndPadKeys)
{
    for (int id = 37; id <= 50; ++id)
        EXPECT_EQ(virtualKeyOfKey[id], 0) << "id " << id;
    for (int id = 100; id <= 117; ++id)
        EXPECT_EQ(virtualKeyOfKey[id], 0) << "id " << id;
}

TEST(VirtualKeyOfKey, IsZeroForMenuDelAndNum)
{
    EXPECT_EQ(virtualKeyOfKey[menuKey], 0);
    EXPECT_EQ(virtualKeyOfKey[delKey], 0);
    EXPECT_EQ(virtualKeyOfKey[numKey], 0);
    EXPECT_EQ(menuKey, 89);
    EXPECT_EQ(delKey, 90);
    EXPECT_EQ(numKey, 94);
}

TEST(VirtualKeyOfKey, LetterEntriesReadTheLetterLayoutInIdOrder)
{
    std::string letters;
    for (int id = 11; id <= 36; ++id)
        letters += static_cast<char>(virtualKeyOfKey[id]);
    EXPECT_EQ(letters, letterLayout);
}

TEST(LetterLayout, HoldsEachLetterOnceInRowOrder)
{
    EXPECT_STREQ(letterLayout, "ZVCHWKTILFAYNEGDORSBQJUMPX");
    std::set<char> letters(letterLayout, letterLayout + std::strlen(letterLayout));
    EXPECT_EQ(letters.size(), 26u);
    EXPECT_EQ(*letters.begin(), 'A');
    EXPECT_EQ(*letters.rbegin(), 'Z');
    EXPECT_EQ(virtualKeyOfKey[11], 0x5A);
    EXPECT_EQ(virtualKeyOfKey[17], 0x54);
    EXPECT_EQ(virtualKeyOfKey[36], 0x58);
}

TEST(VirtualKeyOfKey, SpaceBarsAndSpecialKeysSendTheirVirtualKeys)
{
    const struct {
        int id;
        BYTE virtualKey;
    } specials[] = {
        {80, VK_SPACE}, {81, VK_SPACE},  {87, VK_ESCAPE},  {88, VK_CONTROL}, {89, 0},
        {90, 0},        {91, VK_TAB},    {92, VK_CAPITAL}, {93, VK_SHIFT},   {94, 0},
        {95, VK_BACK},  {96, VK_RETURN}, {97, VK_MENU},
    };
    for (const auto& special : specials)
        EXPECT_EQ(virtualKeyOfKey[special.id], special.virtualKey) << "id " << special.id;
    EXPECT_EQ(virtualKeyOfKey[escKey], 0x1B);
    EXPECT_EQ(virtualKeyOfKey[ctrlKey], 0x11);
    EXPECT_EQ(virtualKeyOfKey[tabKey], 0x09);
    EXPECT_EQ(virtualKeyOfKey[capKey], 0x14);
    EXPECT_EQ(virtualKeyOfKey[shiftKey], 0x10);
    EXPECT_EQ(virtualKeyOfKey[backKey], 0x08);
    EXPECT_EQ(virtualKeyOfKey[enterKey], 0x0D);
    EXPECT_EQ(virtualKeyOfKey[altKey], 0x12);
}

TEST(VirtualKeyOfKey, FunctionKeysSendF1ToF12InOrder)
{
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(virtualKeyOfKey[121 + i], VK_F1 + i) << "F" << i + 1;
    EXPECT_EQ(virtualKeyOfKey[121], 0x70);
    EXPECT_EQ(virtualKeyOfKey[132], 0x7B);
}

TEST(PunctuationChars, HoldsOneCharacterPerKeyFrom37To50)
{
    const struct {
        int id;
        char character;
    } table[] = {
        {37, 0x21}, {38, 0x3F}, {39, 0x3A}, {40, 0x3B}, {41, 0x2D}, {42, 0x2C}, {43, 0x2E},
        {44, 0x26}, {45, 0x28}, {46, 0x29}, {47, 0x27}, {48, 0x22}, {49, 0x3C}, {50, 0x3E},
    };
    EXPECT_EQ(std::strlen(punctuationChars), 14u);
    for (const auto& entry : table)
        EXPECT_EQ(punctuationChars[entry.id - 37], entry.character) << "id " << entry.id;
    EXPECT_EQ(punctuationChars[ampersandKey - 37], '&');
}

// Lower-casing the captions must change only the letters.
TEST(PunctuationChars, HoldsNoLetter)
{
    for (const char* c = punctuationChars; *c; ++c)
        EXPECT_FALSE(IsCharAlphaA(*c)) << *c;
}

TEST(PadChars, CalculatorAndPhoneOrderAreTheTemplatesTexts)
{
    EXPECT_STREQ(calculatorPadChars, "/741=@*8520#+963%$");
    EXPECT_STREQ(phonePadChars, "/147=@*2580#+369%$");
}

TEST(PadChars, CalculatorAndPhoneOrderDifferExactlyAtTheLayoutDifferenceKeys)
{
    EXPECT_EQ(asSet(layoutDifferenceKeys), layoutDifferenceSet);
    for (int id = 100; id <= 117; ++id)
        EXPECT_EQ(calculatorPadChars[id - 100] != phonePadChars[id - 100], layoutDifferenceSet.count(id) == 1)
            << "id " << id;
}

// Phone order is calculator order with pad rows 2 and 4 exchanged.
TEST(PadChars, PhoneOrderExchangesPadRowsTwoAndFour)
{
    for (int column = 0; column < 3; ++column) {
        const int row2 = column * 6 + 1;
        const int row4 = column * 6 + 3;
        EXPECT_EQ(phonePadChars[row2], calculatorPadChars[row4]);
        EXPECT_EQ(phonePadChars[row4], calculatorPadChars[row2]);
    }
}

TEST(NavPad, VirtualKeysAreHomeArrowsEndAndPages)
{
    const struct {
        int id;
        BYTE virtualKey;
    } table[] = {
        {101, VK_HOME}, {102, VK_LEFT},  {103, VK_END},   {107, VK_UP},
        {109, VK_DOWN}, {113, VK_PRIOR}, {114, VK_RIGHT}, {115, VK_NEXT},
    };
    for (const auto& entry : table)
        EXPECT_EQ(navVirtualKeys[entry.id - 100], entry.virtualKey) << "id " << entry.id;
}

TEST(NavPad, CharsHoldABlankExactlyWhereAVirtualKeyIsSentAndThatIsAtTheNavKeys)
{
    EXPECT_EQ(std::strlen(navPadChars), 18u);
    for (int id = 100; id <= 117; ++id) {
        const bool blank = navPadChars[id - 100] == ' ';
        EXPECT_EQ(blank, navVirtualKeys[id - 100] != 0) << "id " << id;
        EXPECT_EQ(blank, navKeySet.count(id) == 1) << "id " << id;
    }
    EXPECT_EQ(asSet(navKeys), navKeySet);
}

TEST(NavPad, EveryPadKeySendsAVirtualKeyOrTypesACharacter)
{
    for (int id = 100; id <= 117; ++id)
        EXPECT_TRUE(navVirtualKeys[id - 100] != 0 ||
                    (navPadChars[id - 100] != ' ' && navPadChars[id - 100] != 0))
            << "id " << id;
}

TEST(NavPad, CharsAreTheNavigationModeCharacters)
{
    EXPECT_STREQ(navPadChars, "`   {[^ _ }]~   \\|");
}

TEST(NavPad, CaptionsAreTheCharsWithWingdingsArrowsAtTheNavKeys)
{
    const struct {
        int id;
        BYTE arrow;
    } arrows[] = {
        {101, 0xF5}, {102, 0xEF}, {103, 0xF7}, {107, 0xF1},
        {109, 0xF2}, {113, 0xF6}, {114, 0xF0}, {115, 0xF8},
    };
    EXPECT_EQ(std::strlen(navPadCaptions), 18u);
    for (int id = 100; id <= 117; ++id) {
        if (!navKeySet.count(id)) {
            EXPECT_EQ(navPadCaptions[id - 100], navPadChars[id - 100]) << "id " << id;
        }
    }
    for (const auto& entry : arrows)
        EXPECT_EQ(static_cast<BYTE>(navPadCaptions[entry.id - 100]), entry.arrow) << "id " << entry.id;
}

TEST(NavPad, IsNavKeyHoldsExactlyForTheNavKeys)
{
    for (int id = 0; id <= highestKeyId; ++id)
        EXPECT_EQ(isNavKey(id), navKeySet.count(id) == 1) << "id " << id;
}
