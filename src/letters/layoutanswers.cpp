// The decision between a character's key and the character itself, from a layout's answers.
#include "letters/layoutanswers.h"

// -1, for a character the layout lacks, asks for every modifier.
bool typedByItsKey(const LayoutAnswers& answers)
{
    const bool withShift = HIBYTE(answers.keyScan) & 1;
    const int typed = withShift ? answers.shifted : answers.alone;
    return (HIBYTE(answers.keyScan) & ~1) == 0 && typed > 0;
}
