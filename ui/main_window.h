#pragma once
// The main window: a window of the program's own class, made from the dialog
// template of that name, whose procedure runs the flow of a deal.

#include <windows.h>

// Registers the class, creates the window from its template (dealing the first
// hand), shows it and adds Help and About to its system menu; stores the instance
// every dialog and bitmap is loaded from. nullptr when the window cannot be made.
HWND CreateMainWindow(HINSTANCE instance, int showCommand);
