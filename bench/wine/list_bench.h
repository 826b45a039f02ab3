#pragma once
// The solution list for the hand with the most solutions, in the real main window
// of this process: what "显示结果" costs a player under Wine, and where it goes.

struct ListFigures {
    double fill = -1;          // median seconds of FillSolutionList alone
    double fillAndPaint = -1;  // the same with the list painted afterwards
    bool listed = false;       // the box held the expected number of lines
};

ListFigures RunListBenchmarks(double minSeconds);
