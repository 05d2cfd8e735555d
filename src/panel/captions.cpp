// Key captions, set on the controls of the current panel through keyHandles.
#include "panel/captions.h"

#include <windows.h>

#include "keys/keytables.h"
#include "state/appstate.h"

namespace {

constexpr int captionLength = letterCount + punctuationCount;

char upperCaptions[captionLength + 1];
char lowerCaptions[captionLength + 1];
const char* padCaptions = calculatorPadChars;

void setKeyCaption(int keyId, char caption)
{
    const char text[2] = {caption, '\0'};
    SetWindowTextA(app.keyHandles[keyId], text);
}

const char* currentPadOrder()
{
    return app.phoneLayout ? phonePadChars : calculatorPadChars;
}

} // namespace

void buildCaptionStrings()
{
    padCaptions = currentPadOrder();
    for (int i = 0; i < letterCount; ++i) {
        upperCaptions[i] = letterLayout[i];
        lowerCaptions[i] = static_cast<char>(letterLayout[i] + ('a' - 'A'));
    }
    for (int i = 0; i < punctuationCount; ++i) {
        upperCaptions[letterCount + i] = punctuationChars[i];
        lowerCaptions[letterCount + i] = punctuationChars[i];
    }
    upperCaptions[captionLength] = '\0';
    lowerCaptions[captionLength] = '\0';
}

void setLetterCaptions(bool upper)
{
    const char* captions = upper ? upperCaptions : lowerCaptions;
    for (int i = 0; i < letterCount; ++i)
        setKeyCaption(firstLetterKey + i, captions[i]);
}

// A single "&" would be taken as a mnemonic prefix; the button shows "&&" as one ampersand.
void setPunctuationCaptions()
{
    for (int i = 0; i < punctuationCount; ++i)
        setKeyCaption(firstPunctuationKey + i, lowerCaptions[letterCount + i]);
    SetWindowTextA(app.keyHandles[ampersandKey], "&&");
}

void setPadCaptions(bool nav)
{
    SetWindowTextA(app.keyHandles[delKey], nav ? "ins" : "del");
    const char* source = nav ? navPadCaptions : padCaptions;
    for (int i = 0; i < padKeyCount; ++i)
        setKeyCaption(firstPadKey + i, source[i]);
}

// The other twelve pad keys show the same character in both orders.
void reloadPadLayout()
{
    padCaptions = currentPadOrder();
    for (BYTE keyId : layoutDifferenceKeys)
        setKeyCaption(keyId, padCaptions[keyId - firstPadKey]);
}
