#pragma once
// Puts a search's solution texts into the main window's sorted list box.

#include <windows.h>

#include <string>
#include <vector>

// Adds one line per solution, or the single no-solution line; does not empty the box.
void FillSolutionList(const std::vector<std::string>& solutions, HWND listBox);
