#include "ui/solution_list_box.h"

#include <cstring>

#include "solver/solution_list.h"

void FillSolutionList(const Solver& solver, HWND listBox)
{
    char line[80];
    for (const std::string& text : SolutionListLines(solver)) {
        std::size_t length = text.size() < sizeof line - 1 ? text.size() : sizeof line - 1;
        std::memcpy(line, text.data(), length);
        line[length] = '\0';
        SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    }
}
