// Bitmap controls: the platform's button and static, subclassed to paint one bitmap with one BitBlt.
#include "caption/bitmapcontrols.h"

#include "state/message.h"

namespace {

constexpr DWORD bitmapButtonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD bitmapStaticStyle = WS_CHILD | WS_VISIBLE | SS_OWNERDRAW;

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

// The mask holds 1 where the bitmap has its corner's colour; copied onto the control, a 1 takes the
// background colour and a 0 the text colour.
void drawBitmapGlyph(HWND control, const DRAWITEMSTRUCT& item, COLORREF ink, COLORREF paper)
{
    const RECT& r = item.rcItem;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HDC picture = CreateCompatibleDC(item.hDC);
    HGDIOBJ oldPicture = SelectObject(picture, GetPropA(control, bitmapProperty));
    HDC mask = CreateCompatibleDC(item.hDC);
    HBITMAP maskBits = CreateBitmap(width, height, 1, 1, nullptr);
    HGDIOBJ oldMask = SelectObject(mask, maskBits);
    SetBkColor(picture, GetPixel(picture, 0, 0));
    BitBlt(mask, 0, 0, width, height, picture, 0, 0, SRCCOPY);
    SetTextColor(item.hDC, ink);
    SetBkColor(item.hDC, paper);
    BitBlt(item.hDC, r.left, r.top, width, height, mask, 0, 0, SRCCOPY);
    SelectObject(mask, oldMask);
    DeleteObject(maskBits);
    DeleteDC(mask);
    SelectObject(picture, oldPicture);
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
