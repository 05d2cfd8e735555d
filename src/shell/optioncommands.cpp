// The options' setting commands: each takes effect at once and is saved at once.
#include "shell/optioncommands.h"

#include "access/scanswitch.h"
#include "caption/captionbar.h"
#include "hook/hookbinding.h"
#include "suggestions/strip.h"
#include "panel/captions.h"
#include "options/selection.h"
#include "panel/panel.h"
#include "settings/settings.h"
#include "state/appstate.h"
#include "fade/fade.h"
#include "shell/frame.h"
#include "shell/lookchange.h"

void changeKeySize(HWND frame, int size)
{
    app.keySize = size;
    saveSettings();
    ShowWindow(frame, SW_HIDE);
    DestroyWindow(app.keyboardPanel);
    app.keyboardPanel = createKeyboardPanel(frame);
    DestroyWindow(app.captionBar);
    app.captionBar = createCaptionBar(frame);
    placeFrame(frame);
}

namespace {

void matchStripToSettings(HWND frame)
{
    if (app.wordSuggestions || app.shapeWriting)
        handStripWindow(createSuggestionStrip(frame));
    else if (HWND strip = suggestionStrip()) {
        handStripWindow(nullptr);
        DestroyWindow(strip);
    }
    if (HWND strip = suggestionStrip())
        ShowWindow(strip, app.wordSuggestions ? SW_SHOWNA : SW_HIDE);
    placeFrame(frame);
    saveSettings();
}

} // namespace

void toggleWordSuggestions(HWND frame)
{
    app.wordSuggestions = !app.wordSuggestions;
    matchStripToSettings(frame);
}

void toggleShapeWriting(HWND frame)
{
    app.shapeWriting = !app.shapeWriting;
    matchStripToSettings(frame);
}

void toggleKeyRepeat()
{
    app.keyRepeat = !app.keyRepeat;
    saveSettings();
}

void toggleNumbers(HWND frame)
{
    app.showNumbers = !app.showNumbers;
    placeFrame(frame);
    saveSettings();
}

void toggleFunctionKeys(HWND frame)
{
    app.showFunctionKeys = !app.showFunctionKeys;
    placeFrame(frame);
    saveSettings();
}

void toggleClickSound()
{
    app.clickSound = !app.clickSound;
    saveSettings();
}

void toggleFade(HWND frame)
{
    app.fade = !app.fade;
    applyFade(frame);
    saveSettings();
}

void selectPhoneLayout()
{
    app.phoneLayout = 1;
    saveSettings();
    reloadPadLayout();
}

void selectCalculatorLayout()
{
    app.phoneLayout = 0;
    saveSettings();
    reloadPadLayout();
}

void selectKeysBy(SelectKeys way)
{
    app.selectKeys = way;
    followSelectKeys();
    saveSettings();
}

void changeSelectionTime(bool slower)
{
    int& time = app.selectKeys == selectByScan ? app.scanTime : app.hoverTime;
    time = slower ? slowerTime(time) : fasterTime(time);
    saveSettings();
}

void changeScanSwitch()
{
    app.scanSwitch = nextSwitch(app.scanSwitch);
    followSelectKeys();
    saveSettings();
}

void toggleColors()
{
    app.colors = app.colors == colorsSystem ? colorsStandard : colorsSystem;
    saveSettings();
    followLook();
}

void changeScanOrder()
{
    app.scanOrder = otherScanOrder(app.scanOrder);
    saveSettings();
}
