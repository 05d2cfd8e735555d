// Holding a key on the real keyboard repeats it into Wine's notepad at the delay and speed set in the
// prefix; keys that change a latch or a mode never repeat, and a repeat whose release never comes stops.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "keys/keytables.h"
#include "support/keyboardparts.h"
#include "support/keyinput.h"
#include "support/session.h"

namespace {

constexpr const char* formsClass = "TilfayForms";
// The pad's last key types "$" in either order.
constexpr int padDollarKey = lastPadKey;

// Delay 0 is 250 ms; speed 15 is about 15.8 repeats a second, one every 63 ms.
constexpr UINT delaySetting = 0;
constexpr UINT speedSetting = 15;
constexpr double delayMs = 250;
constexpr double intervalMs = 1000 / 15.8;
constexpr DWORD holdMs = 2000;
// The release reaches the keyboard a little after the test has sent it.
constexpr double releaseLatencyMs = 200;
// The medium panel's shift light.
constexpr int shiftLight = 351;

// The press types once, then the repeats come after the delay, one per interval. A loaded machine may
// delay timers, but at least half the repeats arrive; none can come before their time.
::testing::AssertionResult fitsTheHold(size_t typed, DWORD held)
{
    const double most = 2 + (held + releaseLatencyMs - delayMs) / intervalMs;
    const double least = 1 + (held - delayMs) / intervalMs / 2;
    if (typed >= least && typed <= most)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << typed << " typed in a hold of " << held << " ms, not " << least << " to " << most;
}

std::wstring wideText(HWND window)
{
    wchar_t text[256] = L"";
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, shortWait,
                        nullptr);
    return text;
}

// The popup's cells fill it in one row, or in two when there are more than eight; its title names them.
POINT cellCentre(HWND forms, wchar_t form)
{
    const std::wstring cells = wideText(forms);
    const RECT place = screenRectOf(forms);
    const int rows = cells.size() > 8 ? 2 : 1;
    const int columns = (static_cast<int>(cells.size()) + rows - 1) / rows;
    const int width = (place.right - place.left) / columns;
    const int height = (place.bottom - place.top) / rows;
    const int cell = static_cast<int>(cells.find(form));
    return POINT{place.left + cell % columns * width + width / 2,
                 place.top + cell / columns * height + height / 2};
}

// A top-level window that comes forward without taking the focus, as another desktop's prompt does: nothing
// tells the keyboard of a new target, and the release of the held key never comes.
LRESULT CALLBACK curtainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ACTIVATE)
        return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createCurtain()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = curtainProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Curtain";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "Curtain", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

class HoldingKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        setKeyboardRepeat(delaySetting, speedSetting);
        ASSERT_TRUE(startSession(session, settings()));
        panel = session.keyboard.panel;
    }

    virtual std::string settings() const
    {
        return "";
    }

    HWND edit() const
    {
        return session.notepad.edit;
    }

    // Holds "x", which has no forms, until it repeats, brings the event about with the button still down,
    // and then, after one interval, sees no further x go out.
    void expectRepeatStops(const std::function<void()>& event)
    {
        const KeyDownCount xs('X');
        pressKeyDown(panel, keyForCharacter('x'));
        ASSERT_TRUE(waitUntil([&] { return xs.value() >= 3; }, shortWait)) << "the x repeats";
        event();
        pumpFor(static_cast<DWORD>(intervalMs));
        const int afterEvent = xs.value();
        pumpFor(1000);
        EXPECT_EQ(xs.value(), afterEvent);
        releaseKey();
    }

    // Holds the key for a character past the delay and lifts the pen or button on it: the popup of its
    // forms, which stays for a tap.
    HWND holdForForms(int keyId)
    {
        pressKeyDown(panel, keyId);
        HWND forms = waitForWindow(session.keyboard.program->id(), formsClass, nullptr, shortWait);
        EXPECT_TRUE(hasTheFocus(session.notepad.window, edit())) << "the popup takes no focus";
        releaseKey();
        return forms;
    }

    void clearText()
    {
        SendMessageA(edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    }

    Session session;
    HWND panel = nullptr;
};

class HoldingKeysWithRepeatOff : public HoldingKeys {
    std::string settings() const override
    {
        return "[Tilfay]\r\nKey Repeat=N\r\n";
    }
};

} // namespace

TEST_F(HoldingKeys, HeldKeysRepeatWithinTheBoundsOfDelayAndSpeedAndATapTypesOnce)
{
    const DWORD xHold = holdKey(panel, keyForCharacter('x'), holdMs);
    const std::string xs = settledText(edit());
    EXPECT_EQ(xs, std::string(xs.size(), 'x'));
    EXPECT_TRUE(fitsTheHold(xs.size(), xHold));

    const std::string longLine(80, 'x');
    SendMessageA(edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longLine.c_str()));
    SendMessageA(edit(), EM_SETSEL, longLine.size(), longLine.size());
    const DWORD backHold = holdKey(panel, backKey, holdMs);
    EXPECT_TRUE(fitsTheHold(longLine.size() - settledText(edit()).size(), backHold));

    SendMessageA(edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    holdKey(panel, keyForCharacter('a'), 100);
    EXPECT_EQ(settledText(edit()), "a");
}

TEST_F(HoldingKeys, ShiftLatchedThenAHeldLetterTypesCapitalsThroughoutAndTheLightGoesOut)
{
    tapKey(panel, shiftKey);
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(GetDlgItem(panel, shiftLight)); }, shortWait));
    holdKey(panel, keyForCharacter('x'), 1000);
    tapKey(panel, keyForCharacter('b'));
    const std::string text = settledText(edit());
    EXPECT_GE(text.size(), 4u) << text;
    EXPECT_EQ(text, std::string(text.size() - 1, 'X') + "b");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(panel, shiftLight)));
}

// A repeated num would flip the pad's captions; a repeated shift would flip its latch.
TEST_F(HoldingKeys, HeldShiftAndNumRepeatNothing)
{
    HWND padKey = GetDlgItem(panel, firstPadKey + 1);
    pressKeyDown(panel, numKey);
    ASSERT_TRUE(waitUntil([&] { return windowText(padKey) != "7"; }, shortWait));
    const std::string navigating = windowText(padKey);
    EXPECT_FALSE(waitUntil([&] { return windowText(padKey) != navigating; }, 1000));
    releaseKey();
    tapKey(panel, numKey);
    holdKey(panel, shiftKey, 1000);
    typeOnKeyboard(panel, "ab");
    EXPECT_EQ(settledText(edit()), "Ab");
}

TEST_F(HoldingKeysWithRepeatOff, AHeldKeyTypesOnceAndALetterStillOffersItsForms)
{
    holdKey(panel, keyForCharacter('x'), 1500);
    EXPECT_EQ(settledText(edit()), "x");
    EXPECT_NE(holdForForms(keyForCharacter('a')), nullptr);
}

// A letter or sign held past the delay offers its forms above the key while notepad keeps the focus; a
// tap or a slide onto a form types it in place of the character, while a tap elsewhere or on the
// key's own character leaves that alone.
TEST_F(HoldingKeys, AHeldKeyWithFormsOffersThemAndATapOrASlideChoosesOne)
{
    HWND forms = holdForForms(keyForCharacter('a'));
    ASSERT_NE(forms, nullptr) << "the popup of forms";
    const RECT key = screenRectOf(GetDlgItem(panel, keyForCharacter('a')));
    const RECT place = screenRectOf(forms);
    EXPECT_LE(place.bottom, key.top) << "above the key";
    EXPECT_LE(std::abs(place.left + place.right - key.left - key.right), 2) << "centred over the key";
    EXPECT_EQ(wideText(forms), L"aàáâäæãåāąă");
    clickAt(cellCentre(forms, L'ä'));
    EXPECT_TRUE(waitUntil([&] { return wideText(edit()) == L"ä" && !IsWindow(forms); }, shortWait))
        << "notepad holds \"" << textOf(edit()) << "\"";
    EXPECT_TRUE(hasTheFocus(session.notepad.window, edit()));

    clearText();
    forms = holdForForms(keyForCharacter('e'));
    focusByClick(edit());
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(forms); }, shortWait)) << "a tap on notepad dismisses";
    EXPECT_EQ(settledText(edit()), "e");

    clearText();
    tapKey(panel, shiftKey);
    pressKeyDown(panel, keyForCharacter('o'));
    forms = waitForWindow(session.keyboard.program->id(), formsClass, nullptr, shortWait);
    ASSERT_NE(forms, nullptr);
    EXPECT_EQ(wideText(forms).substr(0, 5), L"OÓÒÔÖ");
    inject(leftReleaseAt(cellCentre(forms, L'Ö')));
    EXPECT_TRUE(waitUntil([&] { return wideText(edit()) == L"Ö"; }, shortWait)) << textOf(edit());
    typeOnKeyboard(panel, "b");
    EXPECT_TRUE(waitUntil([&] { return wideText(edit()) == L"Öb"; }, shortWait)) << "the shift latch ended";

    clearText();
    forms = holdForForms(padDollarKey);
    ASSERT_NE(forms, nullptr);
    EXPECT_EQ(wideText(forms), L"$€£¥¢");
    clickAt(cellCentre(forms, L'$'));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(forms); }, shortWait)) << "the first cell dismisses";
    EXPECT_EQ(settledText(edit()), "$");
}

// The forms come in the case the press typed: cap and shift together type a small letter, and the target's
// Caps Lock a capital, which the form then replaces. The popup takes no pen gestures.
TEST_F(HoldingKeys, AHeldLettersFormsAreInTheCaseItsPressTyped)
{
    tapKey(panel, capKey);
    tapKey(panel, shiftKey);
    HWND forms = holdForForms(keyForCharacter('a'));
    ASSERT_NE(forms, nullptr);
    EXPECT_EQ(wideText(forms), L"aàáâäæãåāąă");
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(GetPropA(forms, "MicrosoftTabletPenServiceProperty")), 0x10001u);
    clickAt(cellCentre(forms, L'à'));
    EXPECT_TRUE(waitUntil([&] { return wideText(edit()) == L"à"; }, shortWait)) << textOf(edit());
    tapKey(panel, capKey);

    clearText();
    pressKey(VK_CAPITAL);
    forms = holdForForms(keyForCharacter('a'));
    ASSERT_NE(forms, nullptr);
    EXPECT_EQ(wideText(forms), L"AÀÁÂÄÆÃÅĀĄĂ");
    EXPECT_EQ(textOf(edit()), "A");
    clickAt(cellCentre(forms, L'Ä'));
    EXPECT_TRUE(waitUntil([&] { return wideText(edit()) == L"Ä"; }, shortWait)) << textOf(edit());
    pressKey(VK_CAPITAL);
}

TEST_F(HoldingKeys, ARepeatStopsWhenTheTargetChanges)
{
    Notepad other;
    expectRepeatStops([&] {
        other = startNotepad();
        waitUntil([&] { return GetForegroundWindow() == other.window; }, longWait);
    });
    EXPECT_LE(settledText(other.edit).size(), 1u);
}

TEST_F(HoldingKeys, ARepeatStopsWhenTheTargetGoes)
{
    expectRepeatStops([&] { session.notepad.program->end(); });
}

TEST_F(HoldingKeys, ARepeatStopsWhenTheKeyboardIsMinimised)
{
    expectRepeatStops([&] { ShowWindow(session.keyboard.frame, SW_SHOWMINNOACTIVE); });
}

TEST_F(HoldingKeys, ARepeatStopsWhenTheOptionsOpen)
{
    expectRepeatStops([&] {
        inject(leftPressAt(centreOf(GetDlgItem(panel, menuKey))));
        waitForWindow(session.keyboard.program->id(), "#32770", optionsTitle, shortWait);
    });
}

TEST_F(HoldingKeys, ARepeatStopsWhenAnotherWindowComesForward)
{
    HWND curtain = nullptr;
    expectRepeatStops([&] {
        curtain = createCurtain();
        SetForegroundWindow(curtain);
        waitUntil([&] { return GetForegroundWindow() == curtain; }, shortWait);
    });
    DestroyWindow(curtain);
}

namespace {

class HoldingKeysWithSuggestions : public HoldingKeys {
    std::string settings() const override
    {
        return "[Tilfay]\r\nWord Suggestions=Y\r\n";
    }
};

} // namespace

TEST_F(HoldingKeysWithSuggestions, AChosenFormIsPartOfTheWordAndATapOnTheStripClosesThePopup)
{
    HWND strip = FindWindowExA(session.keyboard.frame, nullptr, "TilfayStrip", nullptr);
    ASSERT_NE(strip, nullptr);
    typeOnKeyboard(panel, "caf");
    HWND forms = holdForForms(keyForCharacter('e'));
    ASSERT_NE(forms, nullptr);
    clickAt(cellCentre(forms, L'é'));
    ASSERT_TRUE(waitUntil([&] { return wideText(edit()) == L"café" && !IsWindow(forms); }, shortWait));
    ASSERT_TRUE(waitUntil([&] { return windowText(strip).rfind("cafeteria", 0) == 0; }, shortWait))
        << windowText(strip);
    const RECT cells = screenRectOf(strip);
    clickAt(POINT{cells.left + (cells.right - cells.left) / 8, (cells.top + cells.bottom) / 2});
    EXPECT_TRUE(waitUntil([&] { return wideText(edit()) == L"cafeteria "; }, shortWait))
        << "the whole word in place of the typed one: " << textOf(edit());

    forms = holdForForms(keyForCharacter('a'));
    ASSERT_NE(forms, nullptr);
    clickAt(POINT{cells.right - (cells.right - cells.left) / 8, (cells.top + cells.bottom) / 2});
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(forms); }, shortWait))
        << "a tap on the strip closes the popup";
}
