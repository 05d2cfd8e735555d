// The caption bar: a navy child dialog that drags the frame, opens the frame menu, minimises and closes, and
// hands the focus back to the application being typed into after each of these.
#include "caption/captionbar.h"

#include <initializer_list>

#include "caption/bitmapcontrols.h"
#include "look/palette.h"
#include "typing/target.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "state/appstate.h"
#include "state/fatal.h"
#include "state/message.h"
#include "state/pengestures.h"

namespace {

// The move command with the caption hit code: the frame follows the pointer until the button is released.
constexpr WPARAM dragByCaption = SC_MOVE | HTCAPTION;
// Close, in the platform's standard system menu.
constexpr UINT closeMenuPosition = 6;

HWND captionMenuButton;
HWND captionMinimizeButton;
HWND captionCloseButton;
HWND captionTitle;

INT_PTR onCaptionInit(HWND bar)
{
    MoveWindow(bar, 0, 0, app.fullWidth, captionBarHeight, FALSE);
    captionMenuButton = makeBitmapButton(bar, IDC_CAPTION_MENU);
    captionMinimizeButton = makeBitmapButton(bar, IDC_CAPTION_MINIMIZE);
    captionCloseButton = makeBitmapButton(bar, IDC_CAPTION_CLOSE);
    captionTitle = makeBitmapStatic(bar, IDC_CAPTION_TITLE);
    layoutCaptionBar();
    // No control takes the focus from the application being typed into.
    return FALSE;
}

INT_PTR onCaptionDestroy(HWND bar)
{
    forgetPenGestures(bar);
    for (HWND control : {captionMenuButton, captionMinimizeButton, captionCloseButton, captionTitle})
        if (control)
            DestroyWindow(control);
    return TRUE;
}

// In the message font, a pixel less than the bar is high.
void drawTitle(const DRAWITEMSTRUCT& item)
{
    HFONT font = CreateFontA(-(captionBarHeight - 1), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             0, 0, 0, FF_SWISS, captionFace("Arial"));
    HGDIOBJ oldFont = SelectObject(item.hDC, font);
    SetBkColor(item.hDC, lookColours().captionBar);
    ExtTextOutA(item.hDC, 0, 0, ETO_OPAQUE, &item.rcItem, nullptr, 0, nullptr);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, lookColours().captionText);
    RECT place = item.rcItem;
    DrawTextA(item.hDC, "Tilfay", -1, &place, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, oldFont);
    DeleteObject(font);
}

// The System look draws the title in text and the buttons' pictures in the bar's text colour, minimise and
// close with an edge as the keys have.
void drawInSystemLook(const DRAWITEMSTRUCT& item)
{
    if (item.CtlID == IDC_CAPTION_TITLE)
        return drawTitle(item);
    drawBitmapGlyph(item.hwndItem, item, lookColours().captionText, lookColours().captionBar);
    if (item.CtlID == IDC_CAPTION_MENU)
        return;
    SetDCBrushColor(item.hDC, lookColours().captionText);
    FrameRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// The platform asks the parent to draw an owner-drawn control; in the Standard look each control draws its
// own bitmap.
INT_PTR onCaptionDrawItem(HWND bar, const Message& msg)
{
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(msg.lParam);
    if (item->CtlType != ODT_BUTTON && item->CtlType != ODT_STATIC)
        return FALSE;
    if (currentLook() == Look::system)
        drawInSystemLook(*item);
    else
        SendDlgItemMessageA(bar, item->CtlID, WM_DRAWITEM, msg.wParam, msg.lParam);
    return TRUE;
}

INT_PTR onCaptionColor()
{
    return reinterpret_cast<INT_PTR>(lookBrushes().captionBar);
}

// A press on the background or the title, which lets presses through, drags the frame; the call returns
// when the button is released.
INT_PTR onCaptionButtonDown()
{
    SendMessageA(app.mainWindow, WM_SYSCOMMAND, dragByCaption, 0);
    SendMessageA(app.mainWindow, MSG_FRAME_DROPPED, 0, 0);
    returnFocus();
    return TRUE;
}

INT_PTR onCaptionCommand(const Message& msg)
{
    if (HIWORD(msg.wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(msg.wParam)) {
    case IDC_CAPTION_MENU: showFrameMenu(); break;
    case IDC_CAPTION_MINIMIZE: CloseWindow(app.mainWindow); break;
    // Destroys this bar too; nothing of it is touched afterwards.
    case IDC_CAPTION_CLOSE: DestroyWindow(app.mainWindow); break;
    default: return FALSE;
    }
    returnFocus();
    return TRUE;
}

} // namespace

HWND createCaptionBar(HWND frame)
{
    HWND bar = CreateDialogParamA(GetModuleHandleA(nullptr), "SmallCaption_dialog", frame, captionBarProc, 0);
    if (!bar)
        fatalError(fatalCaptionFailed);
    turnOffPenGestures(bar);
    return bar;
}

// The background and the title drag the frame, the menu button opens the frame menu; the platform's buttons
// also want their top-level window active while they are pressed.
bool isCaptionGrip(HWND window)
{
    return window && (window == app.captionBar || IsChild(app.captionBar, window));
}

void layoutCaptionBar()
{
    // Two pixels between the controls and right of close; the title hides its bitmap's last, navy column.
    const int vw = visibleWidth();
    const int h = captionBarHeight;
    SetWindowPos(captionMenuButton, nullptr, 3, 0, 16, h, SWP_NOZORDER);
    SetWindowPos(captionTitle, nullptr, 21, 0, 35, h, SWP_NOZORDER);
    SetWindowPos(captionCloseButton, nullptr, vw - 17, 0, 15, h, SWP_NOZORDER);
    SetWindowPos(captionMinimizeButton, nullptr, vw - 34, 0, 15, h, SWP_NOZORDER);
}

void showFrameMenu()
{
    POINT corner{0, captionBarHeight + 1};
    ClientToScreen(app.mainWindow, &corner);
    HMENU menu = GetSystemMenu(app.mainWindow, FALSE);
    for (UINT command : {SC_MOVE, SC_SIZE, SC_MAXIMIZE, SC_RESTORE})
        EnableMenuItem(menu, command, MF_BYCOMMAND | MF_GRAYED);
    if (!closingAllowedNow())
        EnableMenuItem(menu, closeMenuPosition, MF_BYPOSITION | MF_GRAYED);
    RECT frameRect;
    GetWindowRect(app.mainWindow, &frameRect);
    TrackPopupMenu(menu, 0, corner.x, corner.y, 0, app.mainWindow, &frameRect);
}

INT_PTR CALLBACK captionBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Message msg{message, wParam, lParam};
    switch (message) {
    case WM_INITDIALOG: return onCaptionInit(bar);
    case WM_DESTROY: return onCaptionDestroy(bar);
    case WM_DRAWITEM: return onCaptionDrawItem(bar, msg);
    case WM_CTLCOLORDLG: return onCaptionColor();
    case WM_LBUTTONDOWN: return onCaptionButtonDown();
    case WM_COMMAND: return onCaptionCommand(msg);
    default: return FALSE;
    }
}
