// Key processing: a key id and the latches to type it with become one keystroke, a latch or a mode change.
#include "panel/keyprocess.h"

#include "panel/captions.h"
#include "panel/fonts.h"
#include "typing/keystate.h"
#include "keys/keytables.h"
#include "typing/keystrokes.h"
#include "typing/targetlayout.h"
#include "state/appstate.h"
#include "suggestions/typedword.h"

namespace {

constexpr char noCharacter = ' ';

void toggleNavigation()
{
    latches.navLatch = !latches.navLatch;
    app.navModeMirror = latches.navLatch;
    setPadFonts(latches.navLatch);
    setPadCaptions(latches.navLatch);
}

void toggleCaps()
{
    latches.capsLatch = !latches.capsLatch;
    setLetterCaptions(latches.capsLatch);
    if (app.hardwareKeyboard)
        setCapsLockState(latches.capsLatch);
}

// The shift, ctrl, alt and cap keys only change a latch; true when vk was one of them.
bool toggleLatch(BYTE vk)
{
    switch (vk) {
    case VK_SHIFT: latches.shiftLatch = !latches.shiftLatch; return true;
    case VK_CONTROL: latches.ctrlLatch = !latches.ctrlLatch; return true;
    case VK_MENU: latches.altLatch = !latches.altLatch; return true;
    case VK_CAPITAL: toggleCaps(); return true;
    default: return false;
    }
}

bool isPadKey(int keyId)
{
    return keyId >= firstPadKey && keyId <= lastPadKey;
}

BYTE virtualKeyOf(int keyId, bool nav)
{
    BYTE vk = virtualKeyOfKey[keyId];
    if (vk == 0 && nav && isPadKey(keyId))
        vk = navVirtualKeys[keyId - firstPadKey];
    if (vk == 0 && keyId == delKey)
        vk = nav ? VK_INSERT : VK_DELETE;
    return vk;
}

char characterOf(int keyId, bool nav)
{
    if (keyId >= firstPunctuationKey && keyId <= lastPunctuationKey)
        return punctuationChars[keyId - firstPunctuationKey];
    if (!isPadKey(keyId))
        return noCharacter;
    const int i = keyId - firstPadKey;
    if (nav)
        return navPadChars[i];
    return app.phoneLayout ? phonePadChars[i] : calculatorPadChars[i];
}

// The keystroke went out with the latches in use.
void endKeystroke(BYTE vk, char ch, const ModifierLatches& use)
{
    trackKeystroke(vk, ch == noCharacter ? 0 : ch, use.shiftLatch, use.ctrlLatch, use.altLatch);
    clearOneShotLatches();
}

} // namespace

// The latch keys toggle the latches themselves; every other key is typed with the latches given, and a
// keystroke then clears the one-shot latches whichever were given.
void processKey(BYTE keyId, ModifierLatches use)
{
    if (keyId < firstLetterKey || keyId > highestKeyId || !app.targetWindow)
        return;
    if (keyId == numKey) {
        toggleNavigation();
        return;
    }
    BYTE vk = virtualKeyOf(keyId, use.navLatch);
    const char ch = vk ? noCharacter : characterOf(keyId, use.navLatch);
    if (toggleLatch(vk))
        return;
    if (ch != noCharacter) {
        const SHORT scan = keyTypingCharacter(ch);
        if (scan == -1) {
            sendCharacter(ch, use.ctrlLatch, use.altLatch);
            endKeystroke(0, ch, use);
            return;
        }
        vk = LOBYTE(scan);
        use.shiftLatch = HIBYTE(scan) & 1;
    } else if (!app.hardwareKeyboard && vk >= 'A' && vk <= 'Z') {
        use.shiftLatch ^= use.capsLatch;
    }
    sendKeystroke(vk, use.shiftLatch, use.ctrlLatch, use.altLatch);
    endKeystroke(vk, ch, use);
}
