#pragma once
// The lines of the solution list, beside the program's texts: what the list box
// receives (FillSolutionList) and what veltro-cli's list prints.

#include <string>
#include <vector>

#include "common/texts.h"

// A search's solutions in search order, identical texts kept; or the single line
// TEXT_NO_SOLUTION (没有答案) when it found none.
inline std::vector<std::string> SolutionListLines(const std::vector<std::string>& solutions)
{
    if (solutions.empty())
        return {std::string(TEXT_NO_SOLUTION)};
    return solutions;
}
