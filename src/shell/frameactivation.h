// The frame's activation and focus handlers: the keyboard never keeps the activation.
#pragma once

#include <windows.h>

#include "state/message.h"

// Only a left press on the caption bar's grip activates the frame.
bool mouseActivatesFrame(UINT mouseMessage, bool onCaptionGrip);
LRESULT onFrameMouseActivate(HWND frame, const Message& msg);
LRESULT onFrameActivate(HWND frame, const Message& msg);
LRESULT onReturnFocus(HWND frame, const Message& msg);
