// The message record every window procedure dispatches on, and the program's private messages.
#pragma once

#include <windows.h>

#include "hooklib/tilmhk32.h"

struct Message {
    UINT number;
    WPARAM wParam;
    LPARAM lParam;
};

// Posted by the panel to the frame, both parameters 0.
constexpr UINT MSG_SHOW_OPTIONS = 0x0A04;
constexpr UINT MSG_NO_TARGET = 0x0A05;
// Posted by the frame to itself once it has been activated; wParam is the window active before it.
constexpr UINT MSG_RETURN_FOCUS = 0x0A06;
// Posted by the panel to the frame when a tap cannot type into the target, which runs at a higher integrity
// level; wParam is the target window.
constexpr UINT MSG_ELEVATED_TARGET = 0x0A20;
// Sent by the caption bar to the frame when a drag of it has ended, both parameters 0.
constexpr UINT MSG_FRAME_DROPPED = 0x0A21;
// Sent by the suggestion strip to the frame when one of its cells is tapped, both parameters 0.
constexpr UINT MSG_STRIP_TAPPED = 0x0A28;
// Sent by the panel to the frame: wParam TRUE once a stroke has written a word, so that the strip shows the
// next likeliest ones; FALSE at the panel's next press, when they are no longer wanted. lParam 0.
constexpr UINT MSG_STROKE_CHOICES = 0x0A39;
