#pragma once
// The self-closing dialog that announces the verdict on a submitted answer.

#include <windows.h>

// Opened on template 133 with the address of a VerdictText; shows its two lines,
// fills the bar in 101 ticks of timer 2 and then ends with 1. Esc does not end it.
INT_PTR CALLBACK VerdictDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Timer ticks after which the dialog ends; the bar shows tick - 1, up to 100.
constexpr int VerdictTicks = 101;
