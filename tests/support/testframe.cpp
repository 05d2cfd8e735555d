// A stand-in frame for panels and caption bars created inside a test, and pixel readers.
#include "support/testframe.h"

#include "caption/bitmapcontrols.h"
#include "panel/panel.h"
#include "state/appstate.h"
#include "support/winprocess.h"

HWND createTestFrame(int width, int height)
{
    static const ATOM frameClass = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        windowClass.lpszClassName = "TestFrame";
        return RegisterClassA(&windowClass);
    }();
    HWND frame = CreateWindowExA(WS_EX_TOPMOST, MAKEINTATOM(frameClass), "Test frame", WS_POPUP | WS_VISIBLE,
                                 0, 0, width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    pumpFor(50);
    return frame;
}

HWND createTestKeyboard(int keySize)
{
    app = AppState{};
    latches = ModifierLatches{};
    captureButtonClass();
    app.keySize = keySize;
    app.showNumbers = 1;
    app.showFunctionKeys = 1;
    app.mainWindow = createTestFrame();
    app.keyboardPanel = createKeyboardPanel(app.mainWindow);
    return app.mainWindow;
}

COLORREF screenPixel(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

COLORREF bitmapPixel(int bitmapId, int x, int y)
{
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId));
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const COLORREF colour = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return colour;
}

SIZE bitmapSize(int bitmapId)
{
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId));
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    DeleteObject(bitmap);
    return SIZE{info.bmWidth, info.bmHeight};
}
