// The click: a short, quiet sound of our own among the program's resources, played beside the typing.
#include "panel/clicksound.h"

#include <windows.h>

#include <mmsystem.h>

#include "resources/resource.h"
#include "state/appstate.h"

// Played asynchronously, and never waiting for the click before to end: the next tap must not wait for the
// sound of this one. Without a sound device nothing plays, and nothing else changes.
void playClickSound()
{
    if (app.clickSound)
        PlaySoundA(MAKEINTRESOURCEA(IDW_CLICK), GetModuleHandleA(nullptr),
                   SND_RESOURCE | SND_ASYNC | SND_NOSTOP | SND_NODEFAULT);
}
