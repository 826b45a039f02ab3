#include "solver/solution_list.h"

#include "common/texts.h"

std::vector<std::string> SolutionListLines(const std::vector<std::string>& solutions)
{
    if (solutions.empty())
        return {std::string(TEXT_NO_SOLUTION)};
    return solutions;
}
