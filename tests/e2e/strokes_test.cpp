// Shape writing as a new user meets it in notepad: words drawn in one stroke each through their keys a
// little off the centres, the trail under the pen, the strip's next likeliest words after a stroke (shown
// though suggestions are off, until the next tap) and a second choice that replaces the word, and the taps
// that stay taps: a plain tap, a short slide inside a key, a held letter's forms, any stroke in a password
// box.
#include <gtest/gtest.h>

#include "support/keyboardparts.h"
#include "support/session.h"
#include "support/winprocess.h"

namespace {

class ShapeWriting : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(startSession(session));
        panel = session.keyboard.panel;
        strip = FindWindowExA(session.keyboard.frame, nullptr, "TilfayStrip", nullptr);
        ASSERT_NE(strip, nullptr) << "the strip stands hidden for the strokes' choices";
        EXPECT_FALSE(IsWindowVisible(strip));
    }

    HWND edit() const
    {
        return session.notepad.edit;
    }

    void stroke(const std::string& word)
    {
        inject(strokeThrough(panel, word) + strokeRelease(panel, word));
    }

    Session session;
    HWND panel = nullptr;
    HWND strip = nullptr;
};

TEST_F(ShapeWriting, StrokesWriteWordsAndTheStripOffersTheNextLikeliestWhileTapsStayTaps)
{
    // Released at once, before the keyboard has asked whether notepad's edit is private.
    stroke("we");
    std::string expected = "we ";
    EXPECT_TRUE(waitForText(edit(), expected)) << textOf(edit());

    const std::string second = "will";
    inject(strokeThrough(panel, second));
    HWND trail = nullptr;
    EXPECT_TRUE(waitUntil(
        [&] {
            trail = FindWindowExA(nullptr, nullptr, "TilfayTrail", nullptr);
            return trail && IsWindowVisible(trail);
        },
        shortWait))
        << "the trail is drawn while the stroke is";
    EXPECT_EQ(GetWindowLongA(trail, GWL_EXSTYLE) & (WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_LAYERED),
              WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_LAYERED)
        << "and lets every click through";
    inject(strokeRelease(panel, second));
    expected += second + " ";
    EXPECT_TRUE(waitForText(edit(), expected)) << textOf(edit());
    EXPECT_FALSE(IsWindowVisible(trail)) << "gone at the release";

    for (const std::string word : {"keep", "the", "water", "under", "the", "house"}) {
        stroke(word);
        expected += word + " ";
        EXPECT_TRUE(waitForText(edit(), expected))
            << "after a stroke through " << word << ": " << textOf(edit());
    }
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(strip) && offeredIn(strip).size() == 4; }, shortWait))
        << "the strip offers the next likeliest: \"" << windowText(strip) << "\"";
    const std::vector<std::string> offered = offeredIn(strip);
    EXPECT_EQ(std::find(offered.begin(), offered.end(), "house"), offered.end());
    clickAt(cellCentre(strip, 1));
    expected = expected.substr(0, expected.size() - std::string("house ").size()) + offered[1] + " ";
    EXPECT_TRUE(waitForText(edit(), expected)) << "the second cell replaces the word: " << textOf(edit());

    const RECT xKey = screenRectOf(GetDlgItem(panel, keyForCharacter('x')));
    inject(leftClickAt(POINT{xKey.left + 6, (xKey.top + xKey.bottom) / 2}));
    expected += "x";
    EXPECT_TRUE(waitForText(edit(), expected)) << "a tap types one letter: " << textOf(edit());
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(strip); }, shortWait)) << "the tap ends the choices";

    const RECT oKey = screenRectOf(GetDlgItem(panel, keyForCharacter('o')));
    const int middle = (oKey.top + oKey.bottom) / 2;
    inject(leftPressAt(POINT{oKey.left + 3, middle}) + moveTo(POINT{oKey.left + 10, middle + 2}) +
           moveTo(POINT{oKey.right + 4, middle + 3}) + leftReleaseAt(POINT{oKey.right + 4, middle + 3}));
    expected += "o";
    EXPECT_EQ(settledText(edit()), expected) << "a slide that strays less than a quarter key types its key";

    pressKeyDown(panel, keyForCharacter('a'));
    EXPECT_NE(waitForWindow(session.keyboard.program->id(), "TilfayForms", nullptr, shortWait), nullptr)
        << "a held letter offers its forms";
    releaseKey();
    expected += "a";
    EXPECT_EQ(settledText(edit()), expected);
    EXPECT_TRUE(hasTheFocus(session.notepad.window, edit())) << "notepad kept the focus throughout";

    const PasswordBox passwords = clickIntoPasswordBox(session.notepad);
    HWND window = passwords.window;
    ASSERT_NE(window, nullptr);
    stroke("water");
    EXPECT_TRUE(waitUntil([&] { return windowText(window) == "length 1"; }, shortWait)) << windowText(window);
    pumpFor(500);
    EXPECT_EQ(windowText(window), "length 1") << "in a password box a stroke is a tap on its first key";
}

} // namespace
