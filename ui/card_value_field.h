#pragma once
// An edit control that takes at most two digits and keeps the focus until its
// text stands for a card value 0..13.

#include <windows.h>

void InstallCardValueField(HWND edit);

LRESULT CALLBACK CardValueFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam);

// Whether the field's text (its first two characters) may leave the field.
bool FieldHoldsCardValue(HWND field);

// Whether the field's whole text is digits for a card value 0..13, as a text
// must be to go into the Hand; pasted text can be anything.
bool FieldHoldsWholeCardValue(HWND field);
