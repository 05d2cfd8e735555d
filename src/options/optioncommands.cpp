// The options' setting commands: each takes effect at once and is saved at once.
#include "options/optioncommands.h"

#include "settings/settings.h"
#include "shell/appstate.h"
#include "shell/frame.h"

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
