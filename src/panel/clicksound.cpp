// The click: a short, quiet sound of our own among the program's resources, played beside the typing.
#include "panel/clicksound.h"

#include <windows.h>

#include <mmsystem.h>

#include "resources/resource.h"
#include "state/appstate.h"

// Played asynchronously, cutting short the click before it, so that every one of fast taps clicks and none
// waits for the sound of the one before. Without a sound device nothing plays, and nothing else changes.
void playClickSound()
{
    if (app.clickSound)
        PlaySoundA(MAKEINTRESOURCEA(IDW_CLICK), GetModuleHandleA(nullptr),
                   SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}
