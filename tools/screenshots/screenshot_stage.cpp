// Opens each dialog and the main window as a player meets them and saves what the
// screen shows of each, frame included, as a PPM file in the current directory
// (screenshots.sh turns them into the PNG files of the docs).

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>

#include "checker/verdict.h"
#include "ui/custom_hand_dialog.h"
#include "ui/info_dialog.h"
#include "ui/main_window.h"
#include "ui/paint_cards.h"
#include "ui/program.h"
#include "ui/res/resource.h"
#include "driver/driver.h"
#include "ui/verdict_dialog.h"

namespace {

bool allWritten = true;

// Read from the window's own DC: the screen's may not yet hold what was last painted.
void SavePicture(HWND window, const char* fileName)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    RECT rect;
    GetWindowRect(window, &rect);
    HDC dc = GetWindowDC(window);
    const Picture picture = CopyPixels(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top);
    ReleaseDC(window, dc);
    FILE* out = std::fopen(fileName, "wb");
    bool written = out && std::fprintf(out, "P6\n%d %d\n255\n", picture.width, picture.height) > 0;
    for (std::uint32_t pixel : picture.pixels) {
        const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16), static_cast<unsigned char>(pixel >> 8),
                                      static_cast<unsigned char>(pixel)};
        written = written && std::fwrite(rgb, 3, 1, out) == 1;
    }
    written = out && std::fclose(out) == 0 && written;
    std::printf("%s %s\n", written ? "wrote" : "could not write", fileName);
    allWritten = allWritten && written;
}

// Opens a dialog and photographs it once the given number of its own timer ticks have
// shown, and only those: its real timer is stopped first.
void PhotographDialog(const char* fileName, int ticks, const std::function<void()>& open)
{
    const bool shown = WhileModal(open, [&](HWND dialog) {
        KillTimer(dialog, IDT_VERDICT);
        for (int tick = 0; tick < ticks; ++tick)
            SendMessageA(dialog, WM_TIMER, IDT_VERDICT, 0);
        SavePicture(dialog, fileName);
        EndDialog(dialog, 1);
    });
    if (!shown)
        std::printf("could not photograph %s: no dialog, or one that did not end\n", fileName);
    allWritten = allWritten && shown;
}

}  // namespace

int main()
{
    programInstance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    // The main window with a known hand, a typed answer and the list of solutions.
    HWND window = CreateMainWindow(programInstance, SW_SHOWNORMAL);
    if (!window)
        return 1;
    SetWindowPos(window, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    if (!ConfirmCustomHand(window, {"1", "5", "10", "13"}))
        return 1;
    KillTimer(window, IDT_CLOCK);  // the clock shows the seconds set below, whatever the time taken
    TypeText(GetDlgItem(window, IDC_ANSWER), "(13-1)*(10/5)");
    SendMessageA(window, WM_COMMAND, IDC_SHOW_RESULTS, 0);
    SetDlgItemTextA(window, IDC_CLOCK, " 12");
    PumpPendingMessages();
    SavePicture(window, "main-window.ppm");

    // The verdicts as the window would judge answers to its hand.
    const Hand hand = {1, 5, 10, 13};
    const VerdictText right = JudgeAnswer("(13-1)*(10/5)", hand).verdict;
    const VerdictText wrong = JudgeAnswer("1+5+10+13", hand).verdict;
    const VerdictText invalid = JudgeAnswer("1//5+10+13", hand).verdict;
    Hand typed = {};
    PhotographDialog("help.ppm", 0, [&] { ShowHelp(window); });
    PhotographDialog("about.ppm", 0, [&] { ShowAbout(window); });
    PhotographDialog("verdict-right.ppm", 60, [&] { ShowVerdict(window, right); });
    PhotographDialog("verdict-wrong.ppm", 60, [&] { ShowVerdict(window, wrong); });
    PhotographDialog("verdict-invalid.ppm", 30, [&] { ShowVerdict(window, invalid); });
    PhotographDialog("custom-hand.ppm", 0, [&] { AskCustomHand(window, typed); });
    DestroyWindow(window);
    return allWritten ? 0 : 1;
}
