// Hit testing: a panel-relative pixel position to a key id, through two per-pixel tables.
#pragma once

#include <windows.h>

void buildHitTables(HWND panel);
// 0 when the position hits no key; makes no platform call.
BYTE keyAt(int x, int y);
