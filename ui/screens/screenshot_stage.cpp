// Opens each dialog and the main window as a player meets them and saves what the
// screen shows of each as a BMP file in the current directory (tools/screenshots.sh
// turns them into the PNG files of the docs).

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "checker/verdict.h"
#include "ui/custom_hand_dialog.h"
#include "ui/info_dialog.h"
#include "ui/main_window.h"
#include "ui/paint_cards.h"
#include "ui/program.h"
#include "ui/res/resource.h"
#include "ui/verdict_dialog.h"

namespace {

// Copies the whole window, frame included, into a 24-bit BMP file. Read from the
// window's own DC: the screen's may not yet hold what was last painted.
bool SaveWindowPicture(HWND window, const char* fileName)
{
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const int stride = (width * 3 + 3) / 4 * 4;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HDC windowDC = GetWindowDC(window);
    HBITMAP copy = CreateDIBSection(windowDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC copyDC = CreateCompatibleDC(windowDC);
    HGDIOBJ previous = SelectObject(copyDC, copy);
    BitBlt(copyDC, 0, 0, width, height, windowDC, 0, 0, SRCCOPY);
    GdiFlush();

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
    FILE* out = std::fopen(fileName, "wb");
    bool written = out != nullptr;
    if (out) {
        written = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                  std::fwrite(bits, static_cast<size_t>(stride * height), 1, out) == 1;
        written = std::fclose(out) == 0 && written;
    }

    SelectObject(copyDC, previous);
    DeleteDC(copyDC);
    DeleteObject(copy);
    ReleaseDC(window, windowDC);
    std::printf("%s %s\n", written ? "wrote" : "could not write", fileName);
    return written;
}

// One dialog to photograph: its template, its own procedure, its parameter, and
// how many ticks of its own timer to let pass first (the verdict's bar runs).
struct Stage {
    LPCSTR templateName;
    DLGPROC procedure;
    LPARAM parameter;
    int ownTicksBeforePicture;
    const char* fileName;
};

const Stage* currentStage;
int ownTicks;
bool allWritten = true;
const UINT_PTR PictureTimer = 97;

void PhotographWhenReady(HWND dialog)
{
    if (!IsWindowVisible(dialog) || ownTicks < currentStage->ownTicksBeforePicture)
        return;
    KillTimer(dialog, PictureTimer);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    allWritten = SaveWindowPicture(dialog, currentStage->fileName) && allWritten;
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK StagedDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        ownTicks = 0;
        SetTimer(dialog, PictureTimer, 20, nullptr);
    }
    if (message == WM_TIMER && wParam == PictureTimer) {
        PhotographWhenReady(dialog);
        return 1;
    }
    if (message == WM_TIMER)
        ++ownTicks;
    return currentStage->procedure(dialog, message, wParam, lParam);
}

void PhotographDialog(const Stage& stage, HWND owner)
{
    currentStage = &stage;
    DialogBoxParamA(programInstance, stage.templateName, owner, StagedDialog, stage.parameter);
}

void PumpPendingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void TypeInto(HWND control, const char* text)
{
    for (const char* c = text; *c; ++c)
        SendMessageA(control, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

// The main window with a known hand, a typed answer and the list of solutions.
HWND StageMainWindow()
{
    HWND window = CreateMainWindow(programInstance, SW_SHOWNORMAL);
    if (!window)
        return nullptr;
    SetWindowPos(window, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    currentHand = {1, 5, 10, 13};
    PaintCards(window, currentHand);
    TypeInto(GetDlgItem(window, IDC_ANSWER), "(13-1)*(10/5)");
    SendMessageA(window, WM_COMMAND, IDC_SHOW_RESULTS, 0);
    SendDlgItemMessageA(window, IDC_CLOCK, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(" 12"));
    PumpPendingMessages();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return window;
}

}  // namespace

int main()
{
    programInstance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    HWND window = StageMainWindow();
    allWritten = window && SaveWindowPicture(window, "main-window.bmp");

    VerdictText right = {"祝贺你", "开始下一局..."};
    VerdictText wrong = {"很遗憾！", "你的答案不正确"};
    VerdictText invalid = {"不是合法的表达式!", "位置:2 原因:/ 不能跟在 / 后面"};
    Hand typed = {};
    const Stage stages[] = {
        {"help", InfoDialog, 0, 0, "help.bmp"},
        {"about", InfoDialog, 0, 0, "about.bmp"},
        {MAKEINTRESOURCEA(IDD_VERDICT), VerdictDialog, reinterpret_cast<LPARAM>(&right), 60, "verdict-right.bmp"},
        {MAKEINTRESOURCEA(IDD_VERDICT), VerdictDialog, reinterpret_cast<LPARAM>(&wrong), 60, "verdict-wrong.bmp"},
        {MAKEINTRESOURCEA(IDD_VERDICT), VerdictDialog, reinterpret_cast<LPARAM>(&invalid), 30, "verdict-invalid.bmp"},
        {MAKEINTRESOURCEA(IDD_CUSTOM_HAND), CustomHandDialog, reinterpret_cast<LPARAM>(&typed), 0, "custom-hand.bmp"},
    };
    for (const Stage& stage : stages)
        PhotographDialog(stage, window);

    if (window)
        DestroyWindow(window);
    return allWritten ? 0 : 1;
}
