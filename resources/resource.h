// Resource ids, one range per kind.
#ifndef TILFAY_RESOURCE_H
#define TILFAY_RESOURCE_H

// Caption bar: its controls and the bitmaps they show share these ids.
#define IDC_CAPTION_MENU 325
#define IDC_CAPTION_MINIMIZE 326
#define IDC_CAPTION_CLOSE 327
#define IDC_CAPTION_TITLE 328
#define IDB_CAPTION_TITLE_SPARE 329

// Indicator lights, one triple per light size (alt, ctrl, shift): 5, 6, 7 and 8 pixels.
#define IDC_ALT_LIGHT_5 330
#define IDC_ALT_LIGHT_6 331
#define IDC_ALT_LIGHT_7 332
#define IDC_ALT_LIGHT_8 333
#define IDC_CTRL_LIGHT_5 340
#define IDC_CTRL_LIGHT_6 341
#define IDC_CTRL_LIGHT_7 342
#define IDC_CTRL_LIGHT_8 343
#define IDC_SHIFT_LIGHT_5 350
#define IDC_SHIFT_LIGHT_6 351
#define IDC_SHIFT_LIGHT_7 352
#define IDC_SHIFT_LIGHT_8 353

// The click that a key press sounds when "Click Sound" is on.
#define IDW_CLICK 390

// Options dialog buttons; the dialog ends with the id of the button chosen.
#define IDC_TINY_SIZE 101
#define IDC_SMALL_SIZE 102
#define IDC_MEDIUM_SIZE 103
#define IDC_LARGE_SIZE 104
#define IDC_FINGER_SIZE 105
#define IDC_PAD_ORDER 106
#define IDC_MINIMIZE_KEYBOARD 107
#define IDC_SHOW_NUMBERS 108
#define IDC_SHOW_FUNCTION_KEYS 109
#define IDC_CANCEL_OPTIONS 110
#define IDC_SHOW_HELP 111
#define IDC_CLOSE_KEYBOARD 112
#define IDC_KEY_REPEAT 113
#define IDC_WORD_SUGGESTIONS 114
#define IDC_CLICK_SOUND 115
#define IDC_FADE 116
// The two other ways of selecting keys, the current way's time, and the scan's switch.
#define IDC_SELECT_FIRST 117
#define IDC_SELECT_SECOND 118
#define IDC_SLOWER 119
#define IDC_FASTER 120
#define IDC_SCAN_SWITCH 121
#define IDC_FORGET_WORDS 122
// The look: the keyboard's own colours or the system's.
#define IDC_COLORS 123
#define IDC_SHAPE_WRITING 124
#define IDC_SCAN_ORDER 125

#endif
