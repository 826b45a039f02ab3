#pragma once
// The Help and About boxes: templates shown as they are, closed by OK or Esc.

#include <windows.h>

INT_PTR CALLBACK InfoDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
