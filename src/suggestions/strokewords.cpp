// The words a stroke may mean: the decoder's index of each language's list is made at its first stroke and
// kept with it.
#include "suggestions/strokewords.h"

#include <map>

#include "strokes/decoder.h"
#include "words/suggest.h"

std::vector<std::string> wordsForStroke(const ActiveWords& words, const std::string& previous,
                                        const LetterKeys& keys, const Path& path)
{
    // Each language's list stays where it was loaded for the rest of the run.
    static std::map<const WordList*, StrokeIndex> indexes;
    auto index = indexes.find(words.list);
    if (index == indexes.end())
        index = indexes.emplace(words.list, buildStrokeIndex(*words.list)).first;
    return decodeStroke(StrokeWords{*words.list, index->second, *words.learned, *words.pairs}, previous, keys,
                        path, suggestionCells + 1);
}
