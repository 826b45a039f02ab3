#include "ui/custom_hand_dialog.h"

#include "ui/card_value_field.h"
#include "ui/program.h"
#include "ui/res/resource.h"

static Hand* targetHand;

static const int cardFieldIds[4] = {IDC_CARD_FIELD_0, IDC_CARD_FIELD_1, IDC_CARD_FIELD_2, IDC_CARD_FIELD_3};

static void OnInitCustomHand(HWND dialog, LPARAM lParam)
{
    targetHand = reinterpret_cast<Hand*>(lParam);
    for (int id : cardFieldIds)
        InstallCardValueField(GetDlgItem(dialog, id));
}

// Leaving a field judges only its first two characters, and the field that has
// the focus has not been judged at all: only a whole card value reaches the Hand.
static bool AllFieldsReady(HWND dialog)
{
    for (int id : cardFieldIds) {
        HWND field = GetDlgItem(dialog, id);
        if (GetWindowTextLengthA(field) == 0) {
            SendMessageA(dialog, WM_NEXTDLGCTL, 0, 0);
            return false;
        }
        if (!FieldHoldsWholeCardValue(field)) {
            SetFocus(field);
            SendMessageA(field, EM_SETSEL, 0, -1);
            return false;
        }
    }
    return true;
}

static void OnConfirmCustomHand(HWND dialog)
{
    if (!AllFieldsReady(dialog))
        return;
    for (int j = 0; j < 4; ++j)
        (*targetHand)[j] = static_cast<std::int32_t>(GetDlgItemInt(dialog, cardFieldIds[j], nullptr, TRUE));
    EndDialog(dialog, 1);
}

static INT_PTR CALLBACK CustomHandDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitCustomHand(dialog, lParam);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            OnConfirmCustomHand(dialog);
            return 1;
        case IDCANCEL:
            EndDialog(dialog, 0);
            return 1;
        }
        return 0;
    }
    return 0;
}

bool AskCustomHand(HWND owner, Hand& hand)
{
    return DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_CUSTOM_HAND), owner, CustomHandDialog,
                           reinterpret_cast<LPARAM>(&hand)) == 1;
}
