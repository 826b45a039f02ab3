#include "ui/solution_list_box.h"

#include "common/solution_list.h"

void FillSolutionList(const std::vector<std::string>& solutions, HWND listBox)
{
    // A visible sorted list repaints on every line added: 312 lines took a third
    // of a second under Wine. One repaint at the end shows the same list.
    SendMessageA(listBox, WM_SETREDRAW, FALSE, 0);
    for (const std::string& line : SolutionListLines(solutions))
        SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(listBox, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(listBox, nullptr, TRUE);
}
