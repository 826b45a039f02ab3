#include "solver/solution_list.h"

#include "common/texts.h"

std::vector<std::string> SolutionListLines(const Solver& solver)
{
    if (solver.solutions.empty())
        return {std::string(NoSolutionLine)};
    return solver.solutions;
}
