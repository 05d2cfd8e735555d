// The words a stroke may mean in the target's language.
#pragma once

#include <string>
#include <vector>

#include "strokes/paths.h"
#include "suggestions/wordsource.h"

// The likeliest first, one more than the strip's cells; previous is the word before, sentenceStart or empty.
std::vector<std::string> wordsForStroke(const ActiveWords& words, const std::string& previous,
                                        const LetterKeys& keys, const Path& path);
