// The character a letter key types in the target's layout, with shift and caps lock. (Wine 8 keeps a thread
// on the X keyboard's layout: LoadKeyboardLayout("00000419") does not activate a Russian one here.)
#include <gtest/gtest.h>

#include "state/appstate.h"
#include "typing/targetlayout.h"

namespace {

TEST(KeyCharacter, ShiftAndCapsLockInTheTargetsLayout)
{
    HWND window =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    app.targetWindow = window;
    const HKL english = LoadKeyboardLayoutA("00000409", KLF_ACTIVATE);
    ASSERT_NE(english, nullptr);
    struct Case {
        BYTE vk;
        bool shift, capsLock;
        char32_t typed;
    };
    const Case cases[] = {
        {'G', false, false, U'g'}, {'G', true, false, U'G'},  {'G', false, true, U'G'},
        {'G', true, true, U'g'},   {'Q', false, false, U'q'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(characterOfKey(c.vk, c.shift, c.capsLock), c.typed) << c.vk << c.shift << c.capsLock;
    ActivateKeyboardLayout(english, 0);
    app.targetWindow = nullptr;
    DestroyWindow(window);
}

} // namespace
