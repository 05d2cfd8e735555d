// The keyboard panel: built from the template for the current size, measured, captioned and lit; it
// never takes the focus from the application being typed into.
#include "panel/panel.h"

#include <initializer_list>

#include "caption/bitmapcontrols.h"
#include "hook/hookbinding.h"
#include "panel/captions.h"
#include "panel/directpress.h"
#include "panel/fonts.h"
#include "panel/formshold.h"
#include "panel/hittest.h"
#include "panel/keyfaces.h"
#include "panel/keypress.h"
#include "panel/keyrepeat.h"
#include "panel/strokepress.h"
#include "typing/keystate.h"
#include "keys/keytables.h"
#include "look/palette.h"
#include "typing/target.h"
#include "state/appstate.h"
#include "state/fatal.h"
#include "state/message.h"
#include "state/pengestures.h"

namespace {

constexpr COLORREF keyBackground = RGB(232, 224, 224);
constexpr COLORREF staticText = RGB(0, 0, 96);

struct PanelSize {
    const char* templateName;
    int altLight;
    int ctrlLight;
    int shiftLight;
    int lightSide;
};

constexpr PanelSize panelSizes[5] = {
    {"Key_Tiny", 330, 340, 350, 5},  {"Key_Small", 331, 341, 351, 6}, {"Key_Medium", 331, 341, 351, 6},
    {"Key_Large", 332, 342, 352, 7}, {"Key_Huge", 333, 343, 353, 8},
};

const PanelSize& currentSize()
{
    return panelSizes[app.keySize - 1];
}

RECT windowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

void collectKeyGroup(HWND panel, int firstKey, int lastKey)
{
    for (int keyId = firstKey; keyId <= lastKey; ++keyId)
        app.keyHandles[keyId] = GetDlgItem(panel, keyId);
}

void collectKeyHandles(HWND panel)
{
    collectKeyGroup(panel, firstLetterKey, lastLetterKey);
    collectKeyGroup(panel, firstPunctuationKey, lastPunctuationKey);
    collectKeyGroup(panel, leftSpaceKey, rightSpaceKey);
    collectKeyGroup(panel, firstSpecialKey, lastSpecialKey);
    collectKeyGroup(panel, firstPadKey, lastPadKey);
    collectKeyGroup(panel, firstFunctionKey, lastFunctionKey);
}

// Screen rectangles throughout, so the result does not depend on where the panel stands; the panel has
// no border, so its window rectangle is its client area.
void measurePanel(HWND panel)
{
    const RECT whole = windowRect(panel);
    app.fullWidth = whole.right - whole.left;
    app.fullHeight = whole.bottom - whole.top;
    collectKeyHandles(panel);
    buildHitTables(panel);
    app.compactWidth = windowRect(app.keyHandles[firstPadKey]).left - whole.left + 2;
    app.compactHeight = windowRect(app.keyHandles[firstFunctionKey]).top - whole.top;
}

void placePanel(HWND panel)
{
    MoveWindow(panel, 0, captionBarHeight, app.fullWidth, app.fullHeight, FALSE);
    ShowWindow(panel, SW_SHOW);
}

void createIndicators(HWND panel)
{
    altIndicator = makeBitmapButton(panel, currentSize().altLight);
    ctrlIndicator = makeBitmapButton(panel, currentSize().ctrlLight);
    shiftIndicator = makeBitmapButton(panel, currentSize().shiftLight);
}

// Each light sits one pixel inside the top-left corner of its modifier key.
void placeIndicators()
{
    if (!altIndicator || !ctrlIndicator || !shiftIndicator)
        return;
    const int side = currentSize().lightSide;
    const HWND lights[3] = {altIndicator, ctrlIndicator, shiftIndicator};
    for (int i = 0; i < 3; ++i)
        MoveWindow(lights[i], app.indicatorAnchors[i].x + 1, app.indicatorAnchors[i].y + 1, side, side,
                   FALSE);
}

void destroyIndicators()
{
    for (HWND light : {altIndicator, ctrlIndicator, shiftIndicator})
        if (light)
            DestroyWindow(light);
}

// Returns 0 so that the dialog manager gives no control the focus ("Key_Huge" has tab stops).
INT_PTR initPanel(HWND panel)
{
    latches = ModifierLatches{};
    clearAllKeyState();
    buildCaptionStrings();
    app.navModeMirror = latches.navLatch;
    measurePanel(panel);
    applyKeyLook();
    placePanel(panel);
    createPanelFonts(panel);
    assignPanelFonts(latches.navLatch);
    setLetterCaptions(latches.capsLatch);
    setPunctuationCaptions();
    setPadCaptions(latches.navLatch);
    createIndicators(panel);
    placeIndicators();
    showShiftIndicator(latches.shiftLatch);
    showCtrlIndicator(latches.ctrlLatch);
    showAltIndicator(latches.altLatch);
    return 0;
}

INT_PTR destroyPanel(HWND panel)
{
    stopKeyRepeat();
    endFormsHold();
    forgetPenGestures(panel);
    clearModifierState();
    SetMainWindow(nullptr);
    SetKeyboardWindow(nullptr);
    deletePanelFonts();
    destroyIndicators();
    return 1;
}

// The keys of the System look are drawn here; the indicator lights paint themselves, in the System look
// in the colours of the latched key they stand on.
INT_PTR onPanelDrawItem(HWND panel, const Message& msg)
{
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(msg.lParam);
    if (item->CtlType != ODT_BUTTON || drawKey(*item))
        return 1;
    if (currentLook() == Look::system)
        drawBitmapGlyph(item->hwndItem, *item, lookColours().latchedText, lookColours().latchedFace);
    else
        SendDlgItemMessageA(panel, static_cast<int>(item->CtlID), WM_DRAWITEM, msg.wParam, msg.lParam);
    return 1;
}

INT_PTR colourKey(const Message& msg)
{
    HDC dc = reinterpret_cast<HDC>(msg.wParam);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, keyBackground);
    return reinterpret_cast<INT_PTR>(GetStockObject(BLACK_BRUSH));
}

INT_PTR colourStatic(const Message& msg)
{
    HDC dc = reinterpret_cast<HDC>(msg.wParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, staticText);
    return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

// A press on the panel never activates the keyboard, whether or not the hook took it first.
INT_PTR refuseActivation(HWND panel)
{
    SetWindowLongPtrA(panel, DWLP_MSGRESULT, MA_NOACTIVATE);
    return TRUE;
}

} // namespace

HWND createKeyboardPanel(HWND frame)
{
    HWND panel =
        CreateDialogParamA(GetModuleHandleA(nullptr), currentSize().templateName, frame, panelProc, 0);
    if (!panel)
        fatalError(fatalKeyboardFailed);
    turnOffPenGestures(panel);
    clearModifierState();
    return panel;
}

void applyPanelLook()
{
    if (!app.keyboardPanel)
        return;
    remakePanelFonts(app.keyboardPanel, latches.navLatch);
    applyKeyLook();
}

INT_PTR CALLBACK panelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Message msg{message, wParam, lParam};
    switch (message) {
    case WM_INITDIALOG: return initPanel(panel);
    case WM_DESTROY: return destroyPanel(panel);
    case WM_DRAWITEM: return onPanelDrawItem(panel, msg);
    case WM_CTLCOLORDLG: return reinterpret_cast<INT_PTR>(lookBrushes().panel);
    case WM_CTLCOLORBTN: return colourKey(msg);
    case WM_CTLCOLORSTATIC: return colourStatic(msg);
    case WM_MOUSEACTIVATE: return refuseActivation(panel);
    case MSG_KEY_PRESS: return onKeyPress(msg.wParam, msg.lParam);
    case MSG_KEY_RELEASE: return onKeyRelease();
    case MSG_STROKE_POINTS: return onStrokePoints(static_cast<UINT>(msg.wParam));
    case WM_TIMER: return onRepeatTimer(msg.wParam) || onHoldTimer(msg.wParam);
    case MSG_PRESS_ELSEWHERE: return onPressElsewhere(msg.wParam, msg.lParam);
    case WM_CAPTURECHANGED: return onPanelCaptureLost();
    case MSG_FOCUS_CHANGE: return onFocusChange(reinterpret_cast<HWND>(msg.wParam));
    default: return 0;
    }
}
