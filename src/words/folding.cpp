// UTF-8, case and accent folding over the Latin letters of the word lists' languages.
#include "words/folding.h"

#include <algorithm>

namespace {

// The base letter of U+00C0..U+017F, small; '*' where the character is no letter, '+' where it is spelt
// out by spelledOut.
constexpr char baseLetters[] = "aaaaaa+ceeeeiiiidnooooo*ouuuuy+s"
                               "aaaaaa+ceeeeiiiidnooooo*ouuuuy+y"
                               "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii++jjkkklllllllllln"
                               "nnnnnnnnoooooo++rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
static_assert(sizeof baseLetters - 1 == 0x180 - 0xC0);

const char* spelledOut(char32_t c)
{
    switch (c) {
    case 0xC6:
    case 0xE6: return "ae";
    case 0xDE:
    case 0xFE: return "th";
    case 0xDF: return "ss";
    case 0x132:
    case 0x133: return "ij";
    case 0x152:
    case 0x153: return "oe";
    default: return nullptr;
    }
}

// Latin Extended-A pairs a capital with the small letter after it, except in two runs where the capital
// stands at the odd place.
bool oddCapitals(char32_t c)
{
    return (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
}

bool inPairs(char32_t c)
{
    return (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x178 &&
            c != 0x17F) ||
           (c >= 0x218 && c <= 0x21B);
}

bool isCapital(char32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z';
    if (c < 0x100)
        return c >= 0xC0 && c <= 0xDE && c != 0xD7;
    if (c == 0x130 || c == 0x178)
        return true;
    return inPairs(c) && (oddCapitals(c) ? c % 2 == 1 : c % 2 == 0);
}

int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Overlong forms, surrogates and values past U+10FFFF are refused.
bool decodeOne(const std::string& text, size_t& i, char32_t& c)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = sequenceLength(lead);
    if (length == 0 || i + length > text.size())
        return false;
    c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (next & 0x3F);
    }
    i += length;
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return c != 0 && c >= smallest[length] && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

} // namespace

std::u32string decodeUtf8(const std::string& text)
{
    std::u32string result;
    size_t i = 0;
    while (i < text.size()) {
        char32_t c = 0;
        if (!decodeOne(text, i, c))
            return {};
        result += c;
    }
    return result;
}

bool validUtf8(const std::string& text)
{
    size_t i = 0;
    char32_t c = 0;
    while (i < text.size())
        if (!decodeOne(text, i, c))
            return false;
    return true;
}

std::string encodeUtf8(const std::u32string& text)
{
    std::string result;
    for (char32_t c : text) {
        if (c < 0x80) {
            result += static_cast<char>(c);
        } else if (c < 0x800) {
            result += static_cast<char>(0xC0 | (c >> 6));
            result += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            result += static_cast<char>(0xE0 | (c >> 12));
            result += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            result += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            result += static_cast<char>(0xF0 | (c >> 18));
            result += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            result += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            result += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return result;
}

bool isLetter(char32_t c)
{
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7;
}

char32_t lowerOf(char32_t c)
{
    if (!isCapital(c))
        return c;
    if (c == 0x130)
        return 'i';
    if (c == 0x178)
        return 0xFF;
    return c < 0x100 ? c + 0x20 : c + 1;
}

// ß and the small letters without a capital of their own stay as they are.
char32_t upperOf(char32_t c)
{
    if (c == 0xFF)
        return 0x178;
    if (c == 0x131)
        return 'I';
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 0x20;
    if (inPairs(c) && !isCapital(c))
        return c - 1;
    return c;
}

std::string foldWord(const std::string& word)
{
    // Most words of most lists are plain ASCII letters: those are only put in small letters.
    if (std::all_of(word.begin(), word.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        std::string folded = word;
        for (char& c : folded)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return folded;
    }
    std::string folded;
    for (char32_t c : decodeUtf8(word)) {
        const char32_t small = lowerOf(c);
        if (small >= 0xC0 && small < 0x180 && baseLetters[small - 0xC0] != '*') {
            const char* spelled = spelledOut(small);
            folded += spelled ? spelled : std::string(1, baseLetters[small - 0xC0]);
        } else if (small >= 0x218 && small <= 0x21B) {
            folded += small < 0x21A ? 's' : 't';
        } else {
            folded += encodeUtf8(std::u32string(1, small));
        }
    }
    return folded;
}

TypedCase caseOfTyped(const std::string& typed)
{
    const std::u32string letters = decodeUtf8(typed);
    int capitals = 0;
    for (char32_t c : letters)
        capitals += isCapital(c);
    if (capitals >= 2)
        return TypedCase::allCapitals;
    if (!letters.empty() && isCapital(letters[0]))
        return TypedCase::capitalised;
    return TypedCase::asListed;
}

std::string withCase(const std::string& word, TypedCase typedCase)
{
    std::u32string letters = decodeUtf8(word);
    for (size_t i = 0; i < letters.size(); ++i)
        if (typedCase == TypedCase::allCapitals || (typedCase == TypedCase::capitalised && i == 0))
            letters[i] = upperOf(letters[i]);
    return encodeUtf8(letters);
}
