#include "bench/wine/list_bench.h"

#include <windows.h>

#include <cstdio>

#include "bench/wine/harness.h"
#include "ui/main_window.h"
#include "ui/res/resource.h"
#include "ui/solution_list_box.h"
#include "driver/driver.h"
#include "solver/solver.h"

namespace {

const Hand MostSolutions = {12, 12, 12, 12};
const LRESULT MostSolutionLines = 312;

void Reset(HWND list)
{
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
}

void Paint(HWND list)
{
    RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW);
}

// WM_DESTROY leaves a WM_QUIT behind; it would end the start-up runs' waits early.
void Close(HWND window)
{
    DestroyWindow(window);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

}  // namespace

ListFigures RunListBenchmarks(double minSeconds)
{
    ListFigures figures;
    HWND window = CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    if (!window) {
        std::printf("FAILED: the main window could not be created\n");
        return figures;
    }
    HWND list = GetDlgItem(window, IDC_SOLUTION_LIST);
    if (!ConfirmCustomHand(window, {"12", "12", "12", "12"})) {
        std::printf("FAILED: no custom hand dialog\n");
        return figures;
    }
    Solver solver;
    solver.SetHand(MostSolutions);
    solver.Search();

    Timings fill = TimeIterations(minSeconds, 5, [&] { Reset(list); Paint(list); }, [&] { FillSolutionList(solver.solutions, list); });
    PrintRow("FillSolutionList 12 12 12 12 (312 lines)", fill);
    const LRESULT lines = SendMessageA(list, LB_GETCOUNT, 0, 0);
    figures.listed = lines == MostSolutionLines;
    if (!figures.listed)
        std::printf("FAILED: expected %d lines in the list, found %d\n", static_cast<int>(MostSolutionLines),
                    static_cast<int>(lines));
    figures.fill = Median(fill.wall);

    Timings painted = TimeIterations(minSeconds, 5, [&] { Reset(list); Paint(list); },
                                     [&] { FillSolutionList(solver.solutions, list); Paint(list); });
    PrintRow("FillSolutionList 12 12 12 12, then painted", painted);
    figures.fillAndPaint = Median(painted.wall);

    // The player's whole click: a new solver's search, the emptied list, the fill.
    Timings showResults = TimeIterations(minSeconds, 5, [&] { Reset(list); Paint(list); },
                                         [&] { SendMessageA(window, WM_COMMAND, IDC_SHOW_RESULTS, 0); Paint(list); });
    PrintRow("Show results 12 12 12 12 (search, fill, paint)", showResults);

    Timings search = TimeIterations(minSeconds, 5, nullptr, [] {
        Solver fresh;
        fresh.SetHand(MostSolutions);
        fresh.Search();
    });
    PrintRow("Solver search 12 12 12 12 with texts", search);

    Timings reset = TimeIterations(minSeconds, 5, [&] { FillSolutionList(solver.solutions, list); Paint(list); },
                                   [&] { Reset(list); Paint(list); });
    PrintRow("LB_RESETCONTENT of the 312 lines, then painted", reset);

    Close(window);
    return figures;
}
