// Fading and the click sound on the real keyboard beside notepad, with real pointer input: a faded keyboard
// types as an opaque one and comes back at a tap or when the pointer moves over it; a clicking keyboard
// types exactly as a silent one.
#include <gtest/gtest.h>

#include <iostream>

#include "keys/keytables.h"
#include "support/keyboardparts.h"
#include "support/session.h"

namespace {

constexpr BYTE opaque = 255;
constexpr BYTE faded = 102;
constexpr DWORD idleTime = 5000;

// The frame's alpha as the platform keeps it for a layered window, read from this process; 0 when the frame
// is not layered.
int alphaOf(HWND frame)
{
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!(GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_LAYERED) ||
        !GetLayeredWindowAttributes(frame, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA))
        return 0;
    return alpha;
}

// Waits for the keyboard to fade and returns how long after `since` it did, or 0 when it did not.
DWORD fadeTime(HWND frame, DWORD since)
{
    if (!waitUntil([&] { return alphaOf(frame) != opaque; }, idleTime + longWait))
        return 0;
    return GetTickCount() - since;
}

} // namespace

TEST(FadeAndClick, AFadedKeyboardTypesAndTurnsOpaqueAtATapOrThePointerAndClicksChangeNoKeystroke)
{
    Session session;
    ASSERT_TRUE(startSession(session, "[Tilfay]\r\nFade=Y\r\nClick Sound=Y\r\n"));
    HWND frame = session.keyboard.frame;
    HWND panel = session.keyboard.panel;
    EXPECT_EQ(alphaOf(frame), opaque) << "layered, and opaque while in use";
    typeWithKeyboard(session, "Hello, there.\n");
    session.typed = "Hello, there.\r\n";
    EXPECT_TRUE(waitForText(session.notepad.edit, session.typed)) << "with the click sound on";

    // The pointer rests on enter, where the last tap left it, the X server's pointer too: tapping enter
    // again moves neither, so only the tap itself can bring the keyboard back.
    SetCursorPos(centreOf(GetDlgItem(panel, enterKey)).x, centreOf(GetDlgItem(panel, enterKey)).y);
    pumpFor(100);
    const DWORD first = fadeTime(frame, GetTickCount());
    std::cout << "faded " << first << " ms after the pointer came to rest" << std::endl;
    EXPECT_GE(first, idleTime - 500) << "not before the idle time";
    EXPECT_EQ(alphaOf(frame), faded);
    tapKey(panel, enterKey);
    session.typed += "\r\n";
    EXPECT_TRUE(waitUntil([&] { return alphaOf(frame) == opaque; }, 1000)) << "opaque at once at a tap";
    EXPECT_TRUE(waitForText(session.notepad.edit, session.typed)) << "the tap on the faded keyboard typed";

    EXPECT_GE(fadeTime(frame, GetTickCount()), idleTime - 500) << "fades again";
    movePointerTo(centreOf(captionBarOf(frame)));
    EXPECT_TRUE(waitUntil([&] { return alphaOf(frame) == opaque; }, 1000))
        << "opaque at once when the pointer moves over it";
    parkXPointer();
    EXPECT_TRUE(typingGoesOn(session));
}
