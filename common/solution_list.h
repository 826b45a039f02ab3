#pragma once
// The lines of the solution list, beside the program's texts: what the list box
// receives (FillSolutionList) and what veltro-cli's list and the page show.

#include <algorithm>
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

// The same lines sorted by their bytes (std::string compares them as unsigned
// char), as veltro-cli's list prints them and the page shows them.
inline std::vector<std::string> SortedSolutionListLines(const std::vector<std::string>& solutions)
{
    std::vector<std::string> lines = SolutionListLines(solutions);
    std::sort(lines.begin(), lines.end());
    return lines;
}
