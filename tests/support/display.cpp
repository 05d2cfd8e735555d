// The display's scale as the programs under test find it when they start.
#include "support/display.h"

#include <windows.h>

bool setDisplayScale(int dpi)
{
    HKEY desktop = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &desktop, nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD value = static_cast<DWORD>(dpi);
    const LONG result = RegSetValueExA(desktop, "LogPixels", 0, REG_DWORD,
                                       reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(desktop);
    return result == ERROR_SUCCESS;
}

int displayScale()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}
