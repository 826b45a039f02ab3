#pragma once
// The dialog in which the player types the four card values of a deal.

#include <windows.h>

// Opened on template 131 with the address of the Hand; ends with 1 after writing
// all four values, with 0 (Hand untouched) on Cancel.
INT_PTR CALLBACK CustomHandDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
