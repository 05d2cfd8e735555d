// The accented forms of each letter and sign, and the letters each writer's language puts first.
#include "letters/forms.h"

namespace {

// Capitals are written out, not computed: ß's capital is ẞ, and in i's row the dotless ı gives way to İ,
// since the dotless capital is the key's own I.
struct FormRow {
    wchar_t small;
    wchar_t capital;
    const wchar_t* smallForms;
    const wchar_t* capitalForms;
};

constexpr FormRow formRows[] = {
    {L'a', L'A', L"àáâäæãåāąă", L"ÀÁÂÄÆÃÅĀĄĂ"},
    {L'c', L'C', L"çćčĉċ", L"ÇĆČĈĊ"},
    {L'd', L'D', L"ďđð", L"ĎĐÐ"},
    {L'e', L'E', L"éèêëēęėě", L"ÉÈÊËĒĘĖĚ"},
    {L'g', L'G', L"ğĝġģ", L"ĞĜĠĢ"},
    {L'h', L'H', L"ĥħ", L"ĤĦ"},
    {L'i', L'I', L"íìîïīįı", L"ÍÌÎÏĪĮİ"},
    {L'j', L'J', L"ĵ", L"Ĵ"},
    {L'k', L'K', L"ķ", L"Ķ"},
    {L'l', L'L', L"łľĺļ", L"ŁĽĹĻ"},
    {L'n', L'N', L"ñńňņ", L"ÑŃŇŅ"},
    {L'o', L'O', L"óòôöõøœōő", L"ÓÒÔÖÕØŒŌŐ"},
    {L'r', L'R', L"řŕ", L"ŘŔ"},
    {L's', L'S', L"ßśšşșŝ", L"ẞŚŠŞȘŜ"},
    {L't', L'T', L"ťţțþ", L"ŤŢȚÞ"},
    {L'u', L'U', L"úùûüūůűųŭ", L"ÚÙÛÜŪŮŰŲŬ"},
    {L'w', L'W', L"ŵ", L"Ŵ"},
    {L'y', L'Y', L"ýÿŷ", L"ÝŸŶ"},
    {L'z', L'Z', L"žźż", L"ŽŹŻ"},
    {L'$', L'$', L"€£¥¢", L"€£¥¢"},
    {L'?', L'?', L"¿", L"¿"},
    {L'!', L'!', L"¡", L"¡"},
    {L'"', L'"', L"“”„«»", L"“”„«»"},
    {L'\'', L'\'', L"‘’‚", L"‘’‚"},
    {L'-', L'-', L"–—", L"–—"},
};

struct WritersLetters {
    WORD primaryLanguage;
    const wchar_t* letters;
};

constexpr WritersLetters writersLetters[] = {
    {LANG_GERMAN, L"äöüß"},
    {LANG_FRENCH, L"éèàçùâêîôûëïüÿœæ"},
    {LANG_SPANISH, L"áéíóúñü"},
    {LANG_PORTUGUESE, L"áâãàçéêíóôõú"},
    {LANG_ITALIAN, L"àèéìòù"},
    {LANG_DUTCH, L"éëïöüó"},
    {LANG_DANISH, L"æøå"},
    {LANG_NORWEGIAN, L"æøå"},
    {LANG_SWEDISH, L"åäö"},
    {LANG_FINNISH, L"åäö"},
    {LANG_POLISH, L"ąćęłńóśźż"},
    {LANG_CZECH, L"áčďéěíňóřšťúůýž"},
    {LANG_SLOVAK, L"áäčďéíĺľňóôŕšťúýž"},
    {LANG_HUNGARIAN, L"áéíóöőúüű"},
    {LANG_ROMANIAN, L"ăâîșț"},
    {LANG_TURKISH, L"çğıöşü"},
    {LANG_CROATIAN, L"čćđšž"},
    {LANG_SLOVENIAN, L"čćđšž"},
    {LANG_ICELANDIC, L"áðéíóúýþæö"},
    {LANG_LITHUANIAN, L"ąčęėįšųūž"},
    {LANG_LATVIAN, L"āčēģīķļņšūž"},
    {LANG_ESTONIAN, L"äõöüšž"},
    {LANG_CATALAN, L"àèéíïòóúüç"},
    {LANG_WELSH, L"âêîôûŵŷ"},
};

const FormRow* rowOf(wchar_t ch)
{
    for (const FormRow& row : formRows)
        if (row.small == ch || row.capital == ch)
            return &row;
    return nullptr;
}

const wchar_t* lettersOf(LANGID language)
{
    for (const WritersLetters& writer : writersLetters)
        if (writer.primaryLanguage == PRIMARYLANGID(language))
            return writer.letters;
    return L"";
}

// A row's small forms with the writer's letters first; each capital keeps the place of its small form.
std::wstring writersOrder(const std::wstring& smallForms, const std::wstring& letters)
{
    std::wstring order;
    for (wchar_t letter : letters)
        if (smallForms.find(letter) != std::wstring::npos)
            order += letter;
    for (wchar_t form : smallForms)
        if (order.find(form) == std::wstring::npos)
            order += form;
    return order;
}

} // namespace

std::wstring formsOf(wchar_t ch, bool capitals, LANGID language)
{
    const FormRow* row = rowOf(ch);
    if (!row)
        return L"";
    const std::wstring smallForms = row->smallForms;
    const std::wstring capitalForms = row->capitalForms;
    std::wstring cells(1, capitals ? row->capital : row->small);
    for (wchar_t form : writersOrder(smallForms, lettersOf(language)))
        cells += capitals ? capitalForms[smallForms.find(form)] : form;
    return cells;
}

bool letterTypedCapital(bool shift, bool cap, bool capsLock)
{
    return (shift != cap) != capsLock;
}
