#pragma once
// The portable half of FillSolutionList: the lines the solution list
// box receives. The Windows wrapper sends each as LB_ADDSTRING.

#include <string>
#include <vector>

// A search's solutions in search order, identical texts kept; or the single line
// TEXT_NO_SOLUTION (没有答案) when it found none.
std::vector<std::string> SolutionListLines(const std::vector<std::string>& solutions);
