#include "solver/solution_list.h"

const char NoSolutionLine[] = "没有答案";

std::vector<std::string> SolutionListLines(const Solver& solver)
{
    if (solver.solutions.empty())
        return {std::string(NoSolutionLine)};
    return solver.solutions;
}
