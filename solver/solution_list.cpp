#include "solver/solution_list.h"

#include "common/texts.h"

std::vector<std::string> SolutionListLines(const Solver& solver)
{
    if (solver.solutions.empty())
        return {std::string(TEXT_NO_SOLUTION)};
    return solver.solutions;
}
