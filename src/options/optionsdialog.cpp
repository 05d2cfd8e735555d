// The options dialog: centred on the screen, its labels naming what each switch would change to, and ended
// by any click with the clicked button's id; the frame carries out the command afterwards.
#include "options/optionsdialog.h"

#include "look/faces.h"
#include "look/palette.h"
#include "options/selection.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "state/appstate.h"
#include "state/message.h"
#include "state/pengestures.h"

namespace {

constexpr COLORREF buttonBackground = 0xE0E0E8;
constexpr COLORREF staticText = 0x600000;
// The template's font size, for the message font of the System look.
constexpr int optionsPoints = 8;

HFONT systemLookFont;

void setLabel(HWND dialog, int id, bool condition, const char* whenSet, const char* otherwise)
{
    SetDlgItemTextA(dialog, id, condition ? whenSet : otherwise);
}

// In Click mode there is no time to change.
void setSelectionLabels(HWND dialog)
{
    SetDlgItemTextA(dialog, IDC_SELECT_FIRST, wayLabel(otherWay(app.selectKeys, 0)));
    SetDlgItemTextA(dialog, IDC_SELECT_SECOND, wayLabel(otherWay(app.selectKeys, 1)));
    const int time = app.selectKeys == selectByScan ? app.scanTime : app.hoverTime;
    const bool timed = app.selectKeys != selectByClick;
    SetDlgItemTextA(dialog, IDC_SLOWER, timed ? timeLabel("Slower", time).c_str() : "Slower");
    SetDlgItemTextA(dialog, IDC_FASTER, timed ? timeLabel("Faster", time).c_str() : "Faster");
    EnableWindow(GetDlgItem(dialog, IDC_SLOWER), timed);
    EnableWindow(GetDlgItem(dialog, IDC_FASTER), timed);
    SetDlgItemTextA(dialog, IDC_SCAN_SWITCH, switchLabel(nextSwitch(app.scanSwitch)));
    SetDlgItemTextA(dialog, IDC_SCAN_ORDER, scanOrderLabel(otherScanOrder(app.scanOrder)));
}

BOOL CALLBACK drawButtonInSystemLook(HWND button, LPARAM)
{
    SetWindowLongPtrA(button, GWL_STYLE,
                      (GetWindowLongPtrA(button, GWL_STYLE) & ~LONG_PTR{BS_TYPEMASK}) | BS_OWNERDRAW);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(systemLookFont), FALSE);
    return TRUE;
}

// The System look draws the buttons itself, in the message font at the template's size.
void takeSystemLook(HWND dialog)
{
    if (currentLook() != Look::system)
        return;
    HDC dc = GetDC(dialog);
    const int height = -MulDiv(optionsPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(dialog, dc);
    systemLookFont = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                                 FF_SWISS, captionFace("MS Shell Dlg"));
    EnumChildWindows(dialog, drawButtonInSystemLook, 0);
}

INT_PTR onOptionsInit(HWND dialog)
{
    turnOffPenGestures(dialog);
    takeSystemLook(dialog);
    RECT r;
    GetWindowRect(dialog, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    // Measured now: the screen may have changed since the keyboard started.
    const int x = centredStart(GetSystemMetrics(SM_CXSCREEN), width);
    const int y = centredStart(GetSystemMetrics(SM_CYSCREEN), height);
    setLabel(dialog, IDC_SHOW_NUMBERS, app.showNumbers, "Hide Numbers", "Show Numbers");
    setLabel(dialog, IDC_SHOW_FUNCTION_KEYS, app.showFunctionKeys, "Hide Function Keys",
             "Show Function Keys");
    setLabel(dialog, IDC_CLICK_SOUND, app.clickSound, "Click Sound Off", "Click Sound On");
    setLabel(dialog, IDC_FADE, app.fade, "Never Fade", "Fade When Idle");
    if (!closingAllowedNow())
        EnableWindow(GetDlgItem(dialog, IDC_CLOSE_KEYBOARD), FALSE);
    // Names the order that the button would switch to; the navigation pad has no order to switch.
    setLabel(dialog, IDC_PAD_ORDER, app.phoneLayout, "Calculator Layout", "Phone Layout");
    if (app.navModeMirror)
        EnableWindow(GetDlgItem(dialog, IDC_PAD_ORDER), FALSE);
    setLabel(dialog, IDC_KEY_REPEAT, app.keyRepeat, "Key Repeat Off", "Key Repeat On");
    setLabel(dialog, IDC_WORD_SUGGESTIONS, app.wordSuggestions, "Hide Suggestions", "Show Suggestions");
    setLabel(dialog, IDC_COLORS, app.colors == colorsSystem, "Standard Colors", "System Colors");
    setLabel(dialog, IDC_SHAPE_WRITING, app.shapeWriting, "Shape Writing Off", "Shape Writing On");
    setSelectionLabels(dialog);
    MoveWindow(dialog, x, y, width, height, TRUE);
    // No button takes the focus, so none is a default that Enter would choose.
    return FALSE;
}

INT_PTR onOptionsDestroy(HWND dialog)
{
    forgetPenGestures(dialog);
    if (systemLookFont)
        DeleteObject(systemLookFont);
    systemLookFont = nullptr;
    return TRUE;
}

// Any click ends the dialog with the button's id; other notifications are ignored.
INT_PTR onOptionsCommand(HWND dialog, const Message& msg)
{
    if (HIWORD(msg.wParam) != BN_CLICKED)
        return FALSE;
    EndDialog(dialog, LOWORD(msg.wParam));
    return TRUE;
}

INT_PTR onOptionsDrawItem(const Message& msg)
{
    drawButtonFace(*reinterpret_cast<const DRAWITEMSTRUCT*>(msg.lParam), false);
    return TRUE;
}

INT_PTR onOptionsButtonColor(const Message& msg)
{
    if (currentLook() == Look::system)
        return reinterpret_cast<INT_PTR>(lookBrushes().dialog);
    HDC dc = reinterpret_cast<HDC>(msg.wParam);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, buttonBackground);
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

INT_PTR onOptionsDialogColor()
{
    return reinterpret_cast<INT_PTR>(lookBrushes().dialog);
}

INT_PTR onOptionsStaticColor(const Message& msg)
{
    HDC dc = reinterpret_cast<HDC>(msg.wParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, staticText);
    return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

} // namespace

int runOptionsDialog(HWND frame)
{
    return static_cast<int>(
        DialogBoxParamA(GetModuleHandleA(nullptr), "Option_Dialog", frame, optionsDialogProc, 0));
}

INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Message msg{message, wParam, lParam};
    switch (message) {
    case WM_DESTROY: return onOptionsDestroy(dialog);
    case WM_INITDIALOG: return onOptionsInit(dialog);
    case WM_COMMAND: return onOptionsCommand(dialog, msg);
    case WM_DRAWITEM: return onOptionsDrawItem(msg);
    case WM_CTLCOLORBTN: return onOptionsButtonColor(msg);
    case WM_CTLCOLORDLG: return onOptionsDialogColor();
    case WM_CTLCOLORSTATIC: return onOptionsStaticColor(msg);
    default: return FALSE;
    }
}

// Signed division truncates toward zero, so a surplus of -5 gives -2.
int centredStart(int screenExtent, int windowExtent)
{
    return (screenExtent - windowExtent) / 2;
}
