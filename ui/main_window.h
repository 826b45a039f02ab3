#pragma once
// The main window: a dialog-template window of the program's own class "vlx"
// whose procedure runs the flow of a deal.

#include <windows.h>

#include "common/types.h"

// The program's one Hand: dealt, typed in the custom hand dialog, painted, judged.
extern Hand currentHand;

// Registers the class, creates the window from its template, shows it and adds
// the Help and About entries to its system menu.
HWND CreateMainWindow(HINSTANCE instance, int showCommand);

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void ClearAnswerField(HWND window);

// One tick of the deal clock at the given seconds field of the local time.
void TickDealClock(HWND window, int second);
