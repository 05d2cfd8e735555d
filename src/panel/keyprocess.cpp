// Key processing: a key id and the latches to type it with become one keystroke, a latch or a mode change.
#include "panel/keyprocess.h"

#include "hook/hookbinding.h"
#include "panel/captions.h"
#include "panel/fonts.h"
#include "panel/keystate.h"
#include "panel/keytables.h"
#include "panel/targetlayout.h"
#include "shell/appstate.h"
#include "suggestions/typedword.h"

namespace {

constexpr char noCharacter = ' ';

// The navigation keys share their scan codes with the number pad's keys; only the extended flag tells
// them apart. Not every platform marks them as extended, so they are named here.
bool isExtendedKey(BYTE vk)
{
    switch (vk) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE: return true;
    default: return HIBYTE(MapVirtualKeyExA(vk, MAPVK_VK_TO_VSC_EX, targetLayout())) == 0xE0;
    }
}

// Applications that read scan codes (terminals, remote sessions, virtual machines) drop events without one.
void keyEvent(BYTE vk, DWORD flags)
{
    const auto scanCode = static_cast<BYTE>(MapVirtualKeyExA(vk, MAPVK_VK_TO_VSC, targetLayout()));
    keybd_event(vk, scanCode, flags | (isExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0), 0);
}

void pressModifiers(bool shift, bool ctrl, bool alt)
{
    if (alt)
        keyEvent(VK_MENU, 0);
    if (ctrl)
        keyEvent(VK_CONTROL, 0);
    if (shift)
        keyEvent(VK_SHIFT, 0);
}

void releaseModifiers(bool shift, bool ctrl, bool alt)
{
    if (shift)
        keyEvent(VK_SHIFT, KEYEVENTF_KEYUP);
    if (ctrl)
        keyEvent(VK_CONTROL, KEYEVENTF_KEYUP);
    if (alt)
        keyEvent(VK_MENU, KEYEVENTF_KEYUP);
}

void unicodeEvent(wchar_t character, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE | flags;
    SendInput(1, &input, sizeof input);
}

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
    latches.shiftLatch = 0;
    latches.ctrlLatch = 0;
    latches.altLatch = 0;
    hideIndicators();
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
    }
    if (!app.hardwareKeyboard && vk >= 'A' && vk <= 'Z')
        use.shiftLatch ^= use.capsLatch;
    sendKeystroke(vk, use.shiftLatch, use.ctrlLatch, use.altLatch);
    endKeystroke(vk, ch, use);
}

void sendKeystroke(BYTE vk, bool shift, bool ctrl, bool alt)
{
    DisableHook();
    pressModifiers(shift, ctrl, alt);
    keyEvent(vk, 0);
    keyEvent(vk, KEYEVENTF_KEYUP);
    releaseModifiers(shift, ctrl, alt);
    EnableHook();
}

void sendCharacter(char ch, bool ctrl, bool alt)
{
    wchar_t character = 0;
    MultiByteToWideChar(CP_ACP, 0, &ch, 1, &character, 1);
    sendUnicodeCharacter(character, ctrl, alt);
}

void sendUnicodeCharacter(wchar_t character, bool ctrl, bool alt)
{
    DisableHook();
    pressModifiers(false, ctrl, alt);
    unicodeEvent(character, 0);
    unicodeEvent(character, KEYEVENTF_KEYUP);
    releaseModifiers(false, ctrl, alt);
    EnableHook();
}
