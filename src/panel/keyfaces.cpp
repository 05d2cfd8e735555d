// Keys in the System look are owner-drawn, so that each shows its edge and a latched or locked key shows
// inverted; the Standard look keeps the platform's buttons as they always were.
#include "panel/keyfaces.h"

#include "keys/keytables.h"
#include "look/faces.h"
#include "look/palette.h"
#include "state/appstate.h"

namespace {

bool latched(int keyId)
{
    switch (keyId) {
    case shiftKey: return latches.shiftLatch;
    case ctrlKey: return latches.ctrlLatch;
    case altKey: return latches.altLatch;
    case capKey: return latches.capsLatch;
    case numKey: return latches.navLatch;
    default: return false;
    }
}

} // namespace

void applyKeyLook()
{
    const LONG_PTR type = currentLook() == Look::system ? BS_OWNERDRAW : BS_PUSHBUTTON;
    for (int keyId = 1; keyId <= highestKeyId; ++keyId)
        if (HWND key = app.keyHandles[keyId]) {
            SetWindowLongPtrA(key, GWL_STYLE,
                              (GetWindowLongPtrA(key, GWL_STYLE) & ~LONG_PTR{BS_TYPEMASK}) | type);
            InvalidateRect(key, nullptr, TRUE);
        }
}

bool drawKey(const DRAWITEMSTRUCT& item)
{
    const int keyId = static_cast<int>(item.CtlID);
    if (keyId < 1 || keyId > highestKeyId || item.hwndItem != app.keyHandles[keyId])
        return false;
    drawButtonFace(item, latched(keyId));
    return true;
}
