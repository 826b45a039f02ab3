#include "ui/tests/modal_script.h"

namespace {

const char probeClassName[] = "VeltroModalProbe";
const UINT_PTR StepTimer = 77;
const UINT StepPeriod = 10;
const int MaxWaits = 1000;  // ten seconds of StepPeriod

struct DialogSearch {
    HWND found;
};

BOOL CALLBACK FindDialogWindow(HWND window, LPARAM lParam)
{
    char className[16];
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0)
        return TRUE;
    reinterpret_cast<DialogSearch*>(lParam)->found = window;
    return FALSE;
}

void RegisterProbeClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA probeClass = {};
    probeClass.lpfnWndProc = DefWindowProcA;
    probeClass.hInstance = GetModuleHandleA(nullptr);
    probeClass.lpszClassName = probeClassName;
    RegisterClassA(&probeClass);
    registered = true;
}

}  // namespace

HWND FindOpenDialog()
{
    DialogSearch search = {nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindDialogWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ModalScript::ModalScript(Step script) : step(std::move(script))
{
    RegisterProbeClass();
    probe = CreateWindowA(probeClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(probe, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(probe, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ProbeProc));
    // A timer, not a posted message: a dialog is shown only once its loop finds
    // the queue empty, and timer messages wait for that.
    SetTimer(probe, StepTimer, StepPeriod, nullptr);
}

ModalScript::~ModalScript()
{
    DestroyWindow(probe);
}

void ModalScript::RunOrWait()
{
    HWND dialog = FindOpenDialog();
    if (dialog && IsWindowVisible(dialog)) {
        KillTimer(probe, StepTimer);
        ran = true;
        step(dialog);
    } else if (++waits >= MaxWaits) {
        KillTimer(probe, StepTimer);
        if (dialog)
            EndDialog(dialog, -1);
    }
}

LRESULT CALLBACK ModalScript::ProbeProc(HWND probe, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_TIMER)
        return DefWindowProcA(probe, message, wParam, lParam);
    reinterpret_cast<ModalScript*>(GetWindowLongPtrA(probe, GWLP_USERDATA))->RunOrWait();
    return 0;
}

std::string DialogItemText(HWND dialog, int id)
{
    return ControlText(GetDlgItem(dialog, id));
}

void TypeText(HWND control, const char* text)
{
    for (const char* c = text; *c; ++c)
        SendMessageA(control, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

void PumpPendingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
