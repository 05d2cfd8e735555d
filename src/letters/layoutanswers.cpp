// The decision between a character's key and the character itself, from a layout's answers.
#include "letters/layoutanswers.h"

#include <initializer_list>

// -1, for a character the layout lacks, asks for every modifier. The shift state VkKeyScanExA names is the
// one without Caps Lock; the other one is tried too, as Caps Lock may have swapped them.
SHORT keyStrokeFor(wchar_t ch, const LayoutAnswers& answers)
{
    if (answers.keyScan == -1 || (HIBYTE(answers.keyScan) & ~1))
        return -1;
    const bool named = HIBYTE(answers.keyScan) & 1;
    for (const bool shift : {named, !named}) {
        const KeyAnswer& answer = shift ? answers.shifted : answers.alone;
        if (answer.count == 1 && answer.typed == ch)
            return static_cast<SHORT>(MAKEWORD(LOBYTE(answers.keyScan), shift ? 1 : 0));
    }
    return -1;
}
