#include "ui/info_dialog.h"

#include "ui/program.h"
#include "ui/res/resource.h"

static INT_PTR CALLBACK InfoDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM)
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

INT_PTR ShowHelp(HWND owner)
{
    return DialogBoxParamA(programInstance, RESOURCE_NAME(IDD_HELP), owner, InfoDialog, 0);
}

INT_PTR ShowAbout(HWND owner)
{
    return DialogBoxParamA(programInstance, RESOURCE_NAME(IDD_ABOUT), owner, InfoDialog, 0);
}
