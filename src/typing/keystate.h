// The modifier and caps-lock entries of the thread keyboard state, and the three indicator lights.
#pragma once

#include <windows.h>

extern HWND altIndicator;
extern HWND ctrlIndicator;
extern HWND shiftIndicator;

void clearAllKeyState();
void clearModifierState();
void setCapsLockState(bool on);

void showShiftIndicator(bool on);
void showCtrlIndicator(bool on);
void showAltIndicator(bool on);
void hideIndicators();
