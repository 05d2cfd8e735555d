// The popup of a held key's forms: cells above the key that never take the focus or activation.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Shows the forms in cells the size of the key, in one row or two when more than eight, centred above the
// key, below it when the work area has no room above, and always inside the work area.
void openFormsPopup(int keyId, const std::wstring& forms);
void closeFormsPopup();
bool formsPopupAt(POINT screen);
// The cells of the open popup, in screen coordinates from the first; none while it is closed.
std::vector<RECT> formCells();
// The font the cells show their forms in, while the popup is open.
HFONT formsFont();
// The form a cell shows, or nothing.
std::wstring formOfCell(int cell);
// The cell under a screen point: its index in the forms, or -1 when the popup is not there.
int formAt(POINT screen);
// Closes the popup and, for any cell but the first (the key's own character), types its form in place of
// the character typed at the press.
void chooseForm(int cell);
