#pragma once
// The custom hand's card value fields: edit controls that take at most two digits
// by typing, and keep the focus while their first two characters could not stand
// for a card value ("0".."13"; "04".."09" are refused too, as the range test of
// deal/card_value_text.h has it).

#include <windows.h>

// Makes the edit control such a field; every field shares the one previous procedure.
void InstallCardValueField(HWND edit);

// Whether the field's whole text is digits for a card value 0..13, as a text must be
// to go into the Hand; a pasted text can be anything.
bool FieldHoldsWholeCardValue(HWND field);
