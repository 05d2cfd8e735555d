// Bitmap controls: the platform's button and static, subclassed to paint one bitmap with one BitBlt.
#include "caption/bitmapcontrols.h"

#include "look/choice.h"
#include "state/message.h"

namespace {

constexpr DWORD bitmapButtonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD bitmapStaticStyle = WS_CHILD | WS_VISIBLE | SS_OWNERDRAW;

// The pictures' black, grey, dark red and red pixels draw their lines; silver and white are their ground.
constexpr double darkest = 0.3;

WNDPROC buttonClassProc;
WNDPROC staticClassProc;

WNDPROC classProcOf(const char* className)
{
    WNDCLASSA info{};
    GetClassInfoA(GetModuleHandleA(nullptr), className, &info);
    return info.lpfnWndProc;
}

HWND makeBitmapControl(HWND parent, int id, const char* className, DWORD style, WNDPROC procedure)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND control = GetDlgItem(parent, id);
    if (!control)
        control = CreateWindowExA(0, className, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  instance, nullptr);
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    SetPropA(control, bitmapProperty, LoadBitmapA(instance, MAKEINTRESOURCEA(id)));
    return control;
}

LRESULT drawBitmap(HWND control, const Message& msg)
{
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(msg.lParam);
    const RECT& r = item->rcItem;
    HDC memory = CreateCompatibleDC(item->hDC);
    HGDIOBJ replaced = SelectObject(memory, GetPropA(control, bitmapProperty));
    BitBlt(item->hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, SRCCOPY);
    SelectObject(memory, replaced);
    DeleteDC(memory);
    return 1;
}

LRESULT releaseBitmap(HWND control, const Message& msg, WNDPROC classProc)
{
    DeleteObject(GetPropA(control, bitmapProperty));
    RemovePropA(control, bitmapProperty);
    return CallWindowProcA(classProc, control, msg.number, msg.wParam, msg.lParam);
}

// Repainted at once so that the focus never shows on the bitmap.
LRESULT repaintOnFocus(HWND control, const Message& msg, WNDPROC classProc)
{
    InvalidateRect(control, nullptr, FALSE);
    UpdateWindow(control);
    return CallWindowProcA(classProc, control, msg.number, msg.wParam, msg.lParam);
}

LRESULT bitmapControlProc(HWND control, const Message& msg, WNDPROC classProc)
{
    switch (msg.number) {
    case WM_DESTROY: return releaseBitmap(control, msg, classProc);
    case WM_SETFOCUS: return repaintOnFocus(control, msg, classProc);
    case WM_DRAWITEM: return drawBitmap(control, msg);
    default: return CallWindowProcA(classProc, control, msg.number, msg.wParam, msg.lParam);
    }
}

} // namespace

void captureButtonClass()
{
    buttonClassProc = classProcOf("BUTTON");
}

void captureStaticClass()
{
    staticClassProc = classProcOf("STATIC");
}

HWND makeBitmapButton(HWND parent, int id)
{
    return makeBitmapControl(parent, id, "BUTTON", bitmapButtonStyle, bitmapButtonProc);
}

HWND makeBitmapStatic(HWND parent, int id)
{
    return makeBitmapControl(parent, id, "STATIC", bitmapStaticStyle, bitmapStaticProc);
}

// The pictures are a few dozen pixels, drawn one by one.
void drawBitmapGlyph(HWND control, const DRAWITEMSTRUCT& item, COLORREF ink, COLORREF paper)
{
    HDC picture = CreateCompatibleDC(item.hDC);
    HGDIOBJ old = SelectObject(picture, GetPropA(control, bitmapProperty));
    for (int y = item.rcItem.top; y < item.rcItem.bottom; ++y)
        for (int x = item.rcItem.left; x < item.rcItem.right; ++x) {
            const COLORREF pixel = GetPixel(picture, x - item.rcItem.left, y - item.rcItem.top);
            SetPixelV(item.hDC, x, y,
                      pixel != CLR_INVALID && relativeLuminance(pixel) < darkest ? ink : paper);
        }
    SelectObject(picture, old);
    DeleteDC(picture);
}

LRESULT CALLBACK bitmapButtonProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return bitmapControlProc(control, Message{message, wParam, lParam}, buttonClassProc);
}

LRESULT CALLBACK bitmapStaticProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return bitmapControlProc(control, Message{message, wParam, lParam}, staticClassProc);
}
