#include "ui/solution_list_box.h"

#include <cstring>

#include "solver/solution_list.h"

void FillSolutionList(const Solver& solver, HWND listBox)
{
    // A visible sorted list repaints on every line added: 312 lines took a third
    // of a second under Wine. One repaint at the end shows the same list.
    SendMessageA(listBox, WM_SETREDRAW, FALSE, 0);
    char line[80];
    for (const std::string& text : SolutionListLines(solver)) {
        std::size_t length = text.size() < sizeof line - 1 ? text.size() : sizeof line - 1;
        std::memcpy(line, text.data(), length);
        line[length] = '\0';
        SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    }
    SendMessageA(listBox, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(listBox, nullptr, TRUE);
}
