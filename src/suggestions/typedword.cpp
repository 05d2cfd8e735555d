// Tracking the word being typed: letters and apostrophes extend it, back shortens it, any other key ends it.
// The word before it is kept while only spaces follow it, or the start of a sentence after ".", "!", "?", so
// that the next word can be offered before its first letter. Choosing a suggestion types the rest of the word
// and a space through the same keystrokes as the keys.
#include "suggestions/typedword.h"

#include <algorithm>

#include "typing/keystrokes.h"
#include "typing/keystate.h"
#include "typing/target.h"
#include "typing/targetlayout.h"
#include "state/appstate.h"
#include "state/message.h"
#include "letters/forms.h"
#include "suggestions/passwordfield.h"
#include "suggestions/strip.h"
#include "suggestions/strokewords.h"
#include "suggestions/wordsource.h"
#include "words/folding.h"
#include "words/suggest.h"

namespace {

// The marks that take the space of a chosen word after them ("word. ").
constexpr char marksBeforeTheSpace[] = ".,;:!?)";
constexpr char sentenceEnds[] = ".!?";

struct TypedWord {
    std::u32string letters;
    std::vector<std::string> offered;
    // The latest keystroke was the space of a chosen word.
    bool chosenSpace;
    std::u32string chosen;
    // The word before the one being typed, sentenceStart, or empty where it is not known.
    std::string previous;
    std::string previousOfChosen;
    // The latest known answer: what is typed may be private (a password box, a terminal).
    bool inPassword;
    // The chosen word was a stroke's: a choice from the strip replaces it.
    bool strokeWord;
};

// The accessibility answer for the focused window, asked once per window outside any tap, and again once the
// focus may have moved inside it (a click, a tab, a hardware key).
struct ProtectedAnswer {
    HWND window;
    bool isProtected;
    bool asking;
};

// A stroke released before the answer for its window came: the letter typed at its press stands until the
// answer decides, or a key typed meanwhile leaves the stroke a tap.
struct WaitingStroke {
    bool waiting;
    HWND target;
    LetterKeys keys;
    Path path;
    ModifierLatches found;
};

TypedWord typed;
ProtectedAnswer answer;
WaitingStroke waitingStroke;

bool answerKnown()
{
    return answer.window && answer.window == app.targetWindow;
}

// Until the answer for this window is known nothing is offered or learned; a window that is plainly private
// is never asked.
bool keepPrivate()
{
    return typed.inPassword || !answerKnown();
}

// The predictive scan follows the word without the strip, but only the strip's words are learned.
bool tracking()
{
    return suggestionStrip() || (app.selectKeys == selectByScan && app.scanOrder == scanPredictive);
}

bool isDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

bool hasDigits(const std::u32string& letters)
{
    for (char32_t c : letters)
        if (isDigit(c))
            return true;
    return false;
}

void refreshSuggestions()
{
    typed.offered.clear();
    const bool anyContext = !typed.letters.empty() || !typed.previous.empty();
    if (anyContext && !hasDigits(typed.letters) && !keepPrivate() && stripShown()) {
        const ActiveWords words = wordsForTarget();
        typed.offered = suggestWords(*words.list, *words.learned, *words.pairs, typed.previous,
                                     encodeUtf8(typed.letters));
    }
    showSuggestions(typed.offered);
}

void CALLBACK onAskTimer(HWND, UINT, UINT_PTR timer, DWORD);
void writeWaitingStroke();

void askSoon()
{
    if (!answer.asking)
        answer.asking = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, onAskTimer) != 0;
}

// The cheap check at every keystroke, of the focus and of the window in front, which takes the keys though
// the platform may not report it (Wine's console names no focus); the accessibility question is asked once
// the tap is over. The word before is no context across a change between private and not.
void checkPrivacy()
{
    HWND front = GetForegroundWindow();
    const bool plainly = isPlainlyPrivate(app.targetWindow) || (front && isPrivateWindow(front));
    if (!plainly && !answerKnown())
        askSoon();
    const bool now = plainly || (answerKnown() ? answer.isProtected : typed.inPassword);
    if (now != typed.inPassword)
        typed.previous.clear();
    typed.inPassword = now;
}

// A timer of the thread's own fires only once no other message waits: after the tap that asked.
void CALLBACK onAskTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    answer = ProtectedAnswer{app.targetWindow, isProtectedControl(app.targetWindow), false};
    checkPrivacy();
    refreshSuggestions();
    writeWaitingStroke();
}

// A word typed in full counts one use; nothing typed where it may be private does.
void endWord(bool counted)
{
    if (counted && !typed.letters.empty() && !keepPrivate() && suggestionStrip()) {
        const ActiveWords words = wordsForTarget();
        learnWord(*words.learned, *words.list, encodeUtf8(typed.letters), typed.previous);
        saveLearnedSoon();
    }
    typed.letters.clear();
}

// The letter keys go out as virtual keys: what they typed is the target layout's character for the key with
// the shift they went with and caps lock.
char32_t characterOf(BYTE vk, char ch, bool shift)
{
    if (ch)
        return static_cast<unsigned char>(ch);
    if (vk < 'A' || vk > 'Z')
        return 0;
    return characterOfKey(vk, shift, (GetKeyState(VK_CAPITAL) & 1) != 0);
}

bool extendsWord(char32_t c)
{
    return isLetter(c) || isDigit(c) || (c == '\'' && !typed.letters.empty());
}

// By its key in the target's layout where it takes shift at most, else through the Unicode path.
void typeCharacter(char32_t c)
{
    const SHORT scan = c < 0x80 ? keyTypingCharacter(static_cast<char>(c)) : -1;
    if (scan == -1) {
        sendUnicodeCharacter(static_cast<wchar_t>(c), false, false);
        return;
    }
    sendKeystroke(LOBYTE(scan), HIBYTE(scan) & 1, false, false);
}

void tap(BYTE vk)
{
    sendKeystroke(vk, false, false, false);
}

// "word |" and the mark typed after it: "word. ".
void moveSpaceAfter(char32_t mark)
{
    tap(VK_BACK);
    tap(VK_BACK);
    typeCharacter(mark);
    tap(VK_SPACE);
}

bool isOneOf(char32_t c, const char* marks)
{
    for (const char* mark = marks; *mark; ++mark)
        if (c == static_cast<char32_t>(*mark))
            return true;
    return false;
}

// What a key that ends the word leaves as the previous word.
std::string previousAfter(BYTE vk, char32_t c, const std::string& word)
{
    if (vk == VK_SPACE || c == ' ')
        return word.empty() ? typed.previous : word;
    if (isOneOf(c, sentenceEnds) || (vk == VK_RETURN && word.empty() && typed.previous == sentenceStart))
        return sentenceStart;
    return "";
}

void typeWordAndSpace(const std::string& word)
{
    for (char32_t c : decodeUtf8(word))
        typeCharacter(c);
    tap(VK_SPACE);
}

// A stroke's word and its space stand typed after the previous word: the word is learned, and a mark typed
// next takes its space.
void strokeWordTyped(const std::string& word, const std::string& previous)
{
    typed.previous = previous;
    typed.letters = decodeUtf8(word);
    endWord(true);
    typed.previousOfChosen = previous;
    typed.previous = word;
    typed.chosen = decodeUtf8(word);
    typed.chosenSpace = true;
    typed.strokeWord = true;
    clearOneShotLatches();
    clearModifierState();
}

// The choice takes the place of the stroke's word, which is offered in its cell instead.
void replaceStrokeWord(size_t cell)
{
    const ActiveWords words = wordsForTarget();
    unlearnWord(*words.learned, *words.list, encodeUtf8(typed.chosen), typed.previousOfChosen);
    attachToTarget();
    for (size_t i = 0; i <= typed.chosen.size(); ++i)
        tap(VK_BACK);
    const std::string word = typed.offered[cell];
    typed.offered[cell] = encodeUtf8(typed.chosen);
    typeWordAndSpace(word);
    strokeWordTyped(word, typed.previousOfChosen);
    showSuggestions(typed.offered);
}

// The case of the letter the press typed: capitals throughout with cap or Caps Lock, a capital with shift,
// and at a sentence's start.
TypedCase strokeCase(const ModifierLatches& found, bool sentenceStarts)
{
    const bool cap = found.capsLatch && !app.hardwareKeyboard;
    const bool capsLock = GetKeyState(VK_CAPITAL) & 1;
    const bool locked = letterTypedCapital(false, cap, capsLock);
    if (letterTypedCapital(found.shiftLatch, cap, capsLock))
        return locked ? TypedCase::allCapitals : TypedCase::capitalised;
    return sentenceStarts && !locked ? TypedCase::capitalised : TypedCase::asListed;
}

// Each word once, in the case it is typed in.
std::vector<std::string> inCase(const std::vector<std::string>& words, TypedCase typedCase)
{
    std::vector<std::string> cased;
    for (const std::string& word : words) {
        std::string typedWord = withCase(word, typedCase);
        if (std::find(cased.begin(), cased.end(), typedWord) == cased.end())
            cased.push_back(std::move(typedWord));
    }
    return cased;
}

bool typeStroke(const LetterKeys& keys, const Path& path, const ModifierLatches& found)
{
    std::u32string before = typed.letters;
    if (!before.empty())
        before.pop_back();
    const std::string previous = before.empty() ? typed.previous : encodeUtf8(before);
    const ActiveWords words = wordsForTarget();
    // A language without a list has no words to write: the stroke was a tap on its first letter.
    if (wordCount(*words.list) == 0)
        return false;
    std::vector<std::string> candidates =
        inCase(wordsForStroke(words, previous, keys, path), strokeCase(found, previous == sentenceStart));
    attachToTarget();
    tap(VK_BACK);
    typed.letters = before;
    if (candidates.empty()) {
        refreshSuggestions();
        return false;
    }
    if (!before.empty()) {
        tap(VK_SPACE);
        endWord(true);
    }
    typeWordAndSpace(candidates.front());
    strokeWordTyped(candidates.front(), previous);
    candidates.erase(candidates.begin());
    candidates.resize(std::min(candidates.size(), suggestionCells));
    typed.offered = candidates;
    showSuggestions(typed.offered);
    return !typed.offered.empty();
}

// The frame shows the strip for a stroke's choices, though suggestions are off, until the next tap.
void offerStrokeChoices(bool offered)
{
    if (offered)
        SendMessageA(app.mainWindow, MSG_STROKE_CHOICES, TRUE, 0);
}

// Found private once its press had been asked about, the stroke was a tap on its first letter.
void writeWaitingStroke()
{
    if (!waitingStroke.waiting)
        return;
    waitingStroke.waiting = false;
    if (waitingStroke.target == app.targetWindow && !keepPrivate())
        offerStrokeChoices(typeStroke(waitingStroke.keys, waitingStroke.path, waitingStroke.found));
}

} // namespace

void trackKeystroke(BYTE vk, char ch, bool shift, bool ctrl, bool alt)
{
    if (!tracking())
        return;
    const bool afterChoice = typed.chosenSpace;
    typed.chosenSpace = false;
    waitingStroke.waiting = false;
    checkPrivacy();
    const char32_t c = characterOf(vk, ch, shift);
    if (ctrl || alt) {
        endWord(false);
        typed.previous.clear();
    } else if (vk == VK_BACK) {
        if (afterChoice) {
            typed.letters = typed.chosen;
            typed.previous = typed.previousOfChosen;
        } else if (!typed.letters.empty()) {
            typed.letters.pop_back();
        } else {
            typed.previous.clear();
        }
    } else if (extendsWord(c)) {
        typed.letters += c;
    } else if (afterChoice && isOneOf(c, marksBeforeTheSpace)) {
        moveSpaceAfter(c);
        typed.previous = isOneOf(c, sentenceEnds) ? sentenceStart : "";
    } else {
        // Space, enter, tab and punctuation end the word in full; esc, del, the navigation and function keys
        // leave it unfinished.
        const std::string word = encodeUtf8(typed.letters);
        endWord(c != 0 || vk == VK_SPACE || vk == VK_RETURN || vk == VK_TAB);
        typed.previous = previousAfter(vk, c, word);
    }
    // Tab and enter may move the focus inside the window, from a name to its password.
    if (vk == VK_TAB || vk == VK_RETURN)
        answer.window = nullptr;
    refreshSuggestions();
}

void replaceTypedLetter(wchar_t form)
{
    if (!tracking())
        return;
    if (!typed.letters.empty())
        typed.letters.back() = form;
    refreshSuggestions();
}

// The text changed without the keyboard, so the focus may have moved too: the window is asked again when a
// tap needs the answer, not now.
void forgetTypedWord()
{
    typed.letters.clear();
    typed.previous.clear();
    typed.chosenSpace = false;
    answer.window = nullptr;
    if (suggestionStrip())
        refreshSuggestions();
}

void chooseSuggestion(size_t cell)
{
    if (cell >= typed.offered.size() || keepPrivate() || !IsWindow(app.targetWindow))
        return;
    if (typed.chosenSpace && typed.strokeWord) {
        replaceStrokeWord(cell);
        return;
    }
    typed.strokeWord = false;
    attachToTarget();
    const std::string word = typed.offered[cell];
    const Completion completion = completionOf(encodeUtf8(typed.letters), word);
    for (size_t i = 0; i < completion.backs; ++i)
        tap(VK_BACK);
    for (char32_t c : decodeUtf8(completion.text))
        typeCharacter(c);
    tap(VK_SPACE);
    clearOneShotLatches();
    clearModifierState();
    typed.letters = decodeUtf8(word);
    endWord(true);
    typed.previousOfChosen = typed.previous;
    typed.previous = word;
    typed.chosen = decodeUtf8(word);
    typed.chosenSpace = true;
    refreshSuggestions();
}

const std::vector<std::string>& offeredWords()
{
    return typed.offered;
}

WordSoFar wordSoFar()
{
    if (keepPrivate())
        return {};
    return {encodeUtf8(typed.letters), typed.previous};
}

bool typingIntoPassword()
{
    return typed.inPassword;
}

void writeStroke(const LetterKeys& keys, const Path& path, const ModifierLatches& found)
{
    if (typed.inPassword)
        return;
    if (!answerKnown()) {
        waitingStroke = WaitingStroke{true, app.targetWindow, keys, path, found};
        askSoon();
        return;
    }
    offerStrokeChoices(typeStroke(keys, path, found));
}
