#pragma once
// Start-up of Veltro.exe, watched from this second process: from CreateProcess to
// its window, and to the four card squares showing faces on the screen.

#include <string>

// Launches the program the given number of times and prints the figures;
// false when a launch never showed its cards.
bool RunStartupBenchmarks(const std::string& program, int launches);
