// The frame window: creation and destruction order, placement at the work area's corner, the frame
// menu's commands and the warning shown when no application holds the focus.
#include "shell/frame.h"

#include "access/scan.h"
#include "caption/captionbar.h"
#include "hook/hookbinding.h"
#include "look/palette.h"
#include "shell/lookchange.h"
#include "shell/showoptions.h"
#include "panel/formshold.h"
#include "panel/panel.h"
#include "settings/settings.h"
#include "state/appstate.h"
#include "fade/fade.h"
#include "shell/frameactivation.h"
#include "state/message.h"
#include "state/pengestures.h"
#include "shell/rememberedplace.h"
#include "suggestions/strip.h"
#include "suggestions/typedword.h"
#include "suggestions/wordsource.h"

namespace {

constexpr DWORD frameStyle = WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU;

constexpr const char* noTargetText = "Place the insertion point in the application\r\n"
                                     "where you want to insert text before tapping\r\n"
                                     "on keys of the keyboard";

LRESULT defaultResult(HWND frame, const Message& msg)
{
    return DefWindowProcA(frame, msg.number, msg.wParam, msg.lParam);
}

LRESULT onFrameCreate(HWND frame, const Message& msg)
{
    measureScreen();
    loadSettings();
    readLook();
    app.targetWindow = nullptr;
    app.mainWindow = frame;
    app.keyboardPanel = createKeyboardPanel(frame);
    app.captionBar = createCaptionBar(frame);
    handStripWindow(createSuggestionStrip(frame));
    turnOffPenGestures(frame);
    placeFrame(frame);
    applyFade(frame);
    pumpPendingMessages();
    // A close among the pending messages has already torn the keyboard down: nothing is left to hook.
    if (!IsWindow(frame))
        return 0;
    loadHookLibrary();
    activateHook(frame);
    return defaultResult(frame, msg);
}

LRESULT onFrameDestroy(HWND frame)
{
    forgetPenGestures(frame);
    RemoveHook();
    freeHookLibrary();
    saveSettings();
    DestroyWindow(app.keyboardPanel);
    DestroyWindow(app.captionBar);
    PostQuitMessage(0);
    return 0;
}

LRESULT onFrameSize(HWND frame, const Message& msg)
{
    if (msg.wParam == SIZE_MINIMIZED) {
        forgetTypedWord();
        restScan();
    }
    return defaultResult(frame, msg);
}

// The system's colours or its theme changed: only top-level windows hear of it.
LRESULT onFrameColoursChange()
{
    followLook();
    return 0;
}

// A taskbar that appears, moves or grows changes the work area; a keyboard at its corner follows it, one
// that the user has dragged elsewhere stays there as far as the new area allows.
LRESULT onFrameSettingChange(HWND frame, const Message& msg)
{
    if (msg.wParam == SPI_SETHIGHCONTRAST || msg.wParam == SPI_SETNONCLIENTMETRICS)
        followLook();
    if (msg.wParam == SPI_SETWORKAREA) {
        measureWorkArea();
        if (!IsIconic(frame))
            anchorFrame(frame);
    }
    return defaultResult(frame, msg);
}

LRESULT onFrameSysChar(HWND frame, const Message& msg)
{
    if (msg.wParam != ' ')
        return defaultResult(frame, msg);
    showFrameMenu();
    return 0;
}

LRESULT onFrameCommand(HWND frame, const Message& msg)
{
    switch (LOWORD(msg.wParam)) {
    case SC_MINIMIZE: CloseWindow(app.mainWindow); return 0;
    case SC_CLOSE: DestroyWindow(app.mainWindow); return 0;
    default: return defaultResult(frame, msg);
    }
}

constexpr const char* elevatedTargetText = "This window runs as administrator.\r\n"
                                           "To type into it, run the keyboard as administrator too.";

// The keyboard stays where and as it is.
LRESULT onElevatedTarget(HWND frame)
{
    DisableHook();
    MessageBoxA(frame, elevatedTargetText, "Tilfay Keyboard", MB_OK | MB_ICONINFORMATION);
    EnableHook();
    return 0;
}

LRESULT onNoTarget(HWND frame)
{
    DisableHook();
    ShowWindow(app.mainWindow, SW_SHOWMINNOACTIVE);
    MessageBoxA(frame, noTargetText, "Tilfay Keyboard", MB_OK);
    ShowWindow(app.mainWindow, SW_RESTORE);
    SetWindowPos(app.mainWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EnableHook();
    return 0;
}

// The platform asks the window under a moving pointer for its cursor, and each of the keyboard's windows
// passes the question on to its parent: the frame hears of every move over the keyboard.
LRESULT onFrameSetCursor(HWND frame, const Message& msg)
{
    pointerOverFrame();
    return defaultResult(frame, msg);
}

// The strip spans the frame below the caption bar, and the panel stands below it.
void placeStripAndPanel()
{
    RECT frame;
    GetClientRect(app.mainWindow, &frame);
    if (HWND strip = suggestionStrip())
        MoveWindow(strip, 0, captionBarHeight, frame.right, stripHeight(), TRUE);
    MoveWindow(app.keyboardPanel, 0, captionBarHeight + stripHeight(), app.fullWidth, app.fullHeight, TRUE);
}

// A new size or a strip turned on or off: the word being typed is forgotten with the old layout.
void layoutStripAndPanel()
{
    forgetTypedWord();
    placeStripAndPanel();
}

// While suggestions are off the strip stands hidden; it is shown for a stroke's choices until the panel's
// next press, and the frame grows by it upwards, the keys staying where they are under the pen.
LRESULT onStrokeChoices(HWND frame, const Message& msg)
{
    HWND strip = suggestionStrip();
    if (!strip || app.wordSuggestions || stripShown() == (msg.wParam != 0))
        return 0;
    ShowWindow(strip, msg.wParam ? SW_SHOWNA : SW_HIDE);
    anchorFrame(frame);
    placeStripAndPanel();
    return 0;
}

LRESULT onFrameDropped(HWND frame)
{
    keepDroppedPlace(frame);
    return 0;
}

// A tap on the strip ends a held key's popup of forms, as a tap on the panel does.
LRESULT onStripTapped()
{
    endFormsHold();
    return 0;
}

// Windows may end the process without a WM_DESTROY once the session ends.
LRESULT onFrameEndSession(const Message& msg)
{
    if (msg.wParam)
        saveLearnedWords(true);
    return 0;
}

} // namespace

void measureScreen()
{
    app.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    app.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    measureWorkArea();
}

void measureWorkArea()
{
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &app.workArea, 0))
        app.workArea = RECT{0, 0, app.screenWidth, app.screenHeight};
}

bool registerFrameClass()
{
    WNDCLASSA frameClass{};
    frameClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    frameClass.lpfnWndProc = frameWindowProc;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.hIcon = LoadIconA(frameClass.hInstance, "TilfayIcon");
    frameClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    frameClass.lpszClassName = frameClassName;
    return RegisterClassA(&frameClass) != 0;
}

HWND createFrame()
{
    return CreateWindowExA(0, frameClassName, frameTitle, frameStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

LRESULT CALLBACK frameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Message msg{message, wParam, lParam};
    switch (message) {
    case WM_CREATE: return onFrameCreate(frame, msg);
    case WM_DESTROY: return onFrameDestroy(frame);
    case WM_SIZE: return onFrameSize(frame, msg);
    case WM_ACTIVATE: return onFrameActivate(frame, msg);
    case WM_SETTINGCHANGE: return onFrameSettingChange(frame, msg);
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED: return onFrameColoursChange();
    case WM_SYSCHAR: return onFrameSysChar(frame, msg);
    case WM_COMMAND: return onFrameCommand(frame, msg);
    case MSG_SHOW_OPTIONS: return onShowOptions(frame);
    case MSG_NO_TARGET: return onNoTarget(frame);
    case MSG_ELEVATED_TARGET: return onElevatedTarget(frame);
    case MSG_RETURN_FOCUS: return onReturnFocus(frame, msg);
    case WM_MOUSEACTIVATE: return onFrameMouseActivate(frame, msg);
    case WM_SETCURSOR: return onFrameSetCursor(frame, msg);
    case WM_ENDSESSION: return onFrameEndSession(msg);
    case MSG_STRIP_TAPPED: return onStripTapped();
    case MSG_STROKE_CHOICES: return onStrokeChoices(frame, msg);
    case MSG_FRAME_DROPPED: return onFrameDropped(frame);
    default: return DefWindowProcA(frame, message, wParam, lParam);
    }
}

void placeFrame(HWND frame)
{
    anchorFrame(frame);
    SetWindowPos(frame, HWND_TOPMOST, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
    layoutCaptionBar();
    layoutStripAndPanel();
}

void anchorFrame(HWND frame)
{
    const int width = visibleWidth();
    const int height = visibleHeight() + captionBarHeight + stripHeight();
    const POINT place = framePlace(SIZE{width, height});
    SetWindowPos(frame, nullptr, place.x, place.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Stops at the quit message of a close among them and leaves it for the message loop.
void pumpPendingMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
