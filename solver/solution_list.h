#pragma once
// The portable half of FillSolutionList: the lines the solution list
// box receives. The Windows wrapper sends each as LB_ADDSTRING.

#include <string>
#include <vector>

#include "solver/solver.h"

// The solver's texts in search order, identical texts kept; or the single line
// TEXT_NO_SOLUTION when it found none. The solver is not changed.
std::vector<std::string> SolutionListLines(const Solver& solver);
