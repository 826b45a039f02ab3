#pragma once
// The portable half of FillSolutionList: the lines the solution list
// box receives. The Windows wrapper sends each as LB_ADDSTRING.

#include <string>
#include <vector>

#include "solver/solver.h"

// "没有答案", in the program's text encoding (GBK in the Windows build).
extern const char NoSolutionLine[];

// The solver's texts in search order, identical texts kept; or the single line
// NoSolutionLine when it found none. The solver is not changed.
std::vector<std::string> SolutionListLines(const Solver& solver);
