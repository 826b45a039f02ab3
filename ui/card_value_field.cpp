#include "ui/card_value_field.h"

#include <string>

#include "deal/card_value_text.h"

// All four fields are standard edit controls, so they share one previous procedure.
static WNDPROC previousEditProc;

// Whether the field's text (its first two characters) may leave the field.
static bool FieldHoldsCardValue(HWND field)
{
    char text[3];
    GetWindowTextA(field, text, sizeof text);
    return IsCardValueText(text);
}

bool FieldHoldsWholeCardValue(HWND field)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(field)) + 1, '\0');
    GetWindowTextA(field, &text[0], static_cast<int>(text.size()));
    return IsWholeCardValueText(text.c_str());
}

static LRESULT OnFieldChar(HWND field, WPARAM wParam, LPARAM lParam)
{
    DWORD selection = static_cast<DWORD>(SendMessageA(field, EM_GETSEL, 0, 0));
    bool nothingSelected = LOWORD(selection) == HIWORD(selection);
    signed char ch = static_cast<signed char>(wParam & 0xFF);
    if (GetWindowTextLengthA(field) > 1 && nothingSelected && ch != '\b') {
        MessageBeep(MB_OK);
        return 0;
    }
    if ((ch < '0' || ch > '9') && ch != '\b')
        return 0;
    return CallWindowProcA(previousEditProc, field, WM_CHAR, wParam, lParam);
}

static LRESULT OnFieldKillFocus(HWND field, WPARAM wParam, LPARAM lParam)
{
    if (FieldHoldsCardValue(field)) {
        CallWindowProcA(previousEditProc, field, WM_KILLFOCUS, wParam, lParam);
        return 0;
    }
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
    return 0;
}

static LRESULT CALLBACK CardValueFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CHAR:
        return OnFieldChar(field, wParam, lParam);
    case WM_KILLFOCUS:
        return OnFieldKillFocus(field, wParam, lParam);
    default:
        return CallWindowProcA(previousEditProc, field, message, wParam, lParam);
    }
}

void InstallCardValueField(HWND edit)
{
    previousEditProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC));
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CardValueFieldProc));
}
