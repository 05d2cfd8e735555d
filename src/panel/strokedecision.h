// Whether a press on a letter key has become a stroke across the keys.
#pragma once

#include <windows.h>

#include <vector>

#include "hooklib/tilmhk32.h"

// True once the path (panel coordinates, as the key's rectangle) has left the key by more than a quarter of
// the key's width before the hold delay had passed since the press: after it, the hold's forms or repeat
// have begun, and the press stays a tap.
bool becameStroke(const RECT& key, const std::vector<StrokePoint>& path, DWORD pressTime, DWORD holdDelay);
