// Key presses as a hardware keyboard gives them, through the platform's input stream.
#include "support/keyinput.h"

#include <vector>

namespace {

INPUT keyInput(WORD virtualKey, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

BYTE countedKey;
int keyDowns;

LRESULT CALLBACK countKeyDowns(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (code == HC_ACTION && (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN) && event->vkCode == countedKey)
        ++keyDowns;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void pressKey(WORD virtualKey, std::initializer_list<WORD> held)
{
    std::vector<INPUT> inputs;
    for (WORD modifier : held)
        inputs.push_back(keyInput(modifier, 0));
    inputs.push_back(keyInput(virtualKey, 0));
    inputs.push_back(keyInput(virtualKey, KEYEVENTF_KEYUP));
    for (auto modifier = std::rbegin(held); modifier != std::rend(held); ++modifier)
        inputs.push_back(keyInput(*modifier, KEYEVENTF_KEYUP));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

KeyDownCount::KeyDownCount(BYTE virtualKey)
{
    countedKey = virtualKey;
    keyDowns = 0;
    hook_ = SetWindowsHookExA(WH_KEYBOARD_LL, countKeyDowns, GetModuleHandleA(nullptr), 0);
}

KeyDownCount::~KeyDownCount()
{
    UnhookWindowsHookEx(hook_);
}

int KeyDownCount::value() const
{
    return keyDowns;
}
