// UTF-8 text, the folding that compares words without regard to case or accents, and the case given to
// offered words. Latin letters only: the languages of the word lists.
#pragma once

#include <string>

// Empty when the text is not valid UTF-8 (or holds a NUL); check validUtf8 for an empty text.
std::u32string decodeUtf8(const std::string& text);
bool validUtf8(const std::string& text);
std::string encodeUtf8(const std::u32string& text);

bool isLetter(char32_t c);
char32_t lowerOf(char32_t c);
char32_t upperOf(char32_t c);
// Small letters without accents; ligatures and ß spelt out ("Straße" folds to "strasse").
std::string foldWord(const std::string& word);

// How the typed letters are written, which the offered words follow.
enum class TypedCase { asListed, capitalised, allCapitals };
TypedCase caseOfTyped(const std::string& typed);
std::string withCase(const std::string& word, TypedCase typedCase);
