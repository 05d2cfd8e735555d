// Key captions: letters in either case, punctuation, and the pad in its order or in navigation mode.
#pragma once

void buildCaptionStrings();
void setLetterCaptions(bool upper);
void setPunctuationCaptions();
void setPadCaptions(bool nav);
// Reselects the pad order after the phone setting has changed.
void reloadPadLayout();
