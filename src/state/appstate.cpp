// The application state record, the latches and the visible part of the panel.
#include "state/appstate.h"

AppState app;
ModifierLatches latches;
int lastKeyId;

int visibleWidth()
{
    return app.showNumbers ? app.fullWidth : app.compactWidth;
}

int visibleHeight()
{
    return app.showFunctionKeys ? app.fullHeight : app.compactHeight;
}

void resetAppState()
{
    app.mainWindow = nullptr;
    app.keyboardPanel = nullptr;
    app.targetWindow = nullptr;
}
