#pragma once
// The Help and About boxes: templates shown as they are, closed by OK or Esc.

#include <windows.h>

// Each answers 1 once the player has closed the box.
INT_PTR ShowHelp(HWND owner);
INT_PTR ShowAbout(HWND owner);
