#pragma once
// Reading back what a player sees, in the bytes the ANSI calls give.

#include <windows.h>

#include <string>
#include <utility>

std::string ControlText(HWND control);

// Bytes as hex, so that GBK texts compare readably in failure messages.
std::string BytesInHex(const std::string& bytes);

// The start and end of an edit control's selection.
std::pair<int, int> EditSelection(HWND edit);
