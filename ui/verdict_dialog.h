#pragma once
// The self-closing dialog that announces the verdict on a submitted answer.

#include <windows.h>

#include "checker/verdict.h"

// Shows the verdict's two lines over the owner while the bar fills in 101 ticks of
// 10 ms, then ends with 1. Esc does not end it. If its timer cannot be set, the bar
// shows full at once and Enter, Esc or Alt+F4 ends it with 1.
INT_PTR ShowVerdict(HWND owner, const VerdictText& verdict);
