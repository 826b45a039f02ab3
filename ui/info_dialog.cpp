#include "ui/info_dialog.h"

INT_PTR CALLBACK InfoDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND)
        return 0;
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL:
        EndDialog(dialog, 1);
        return 1;
    }
    return 0;
}
