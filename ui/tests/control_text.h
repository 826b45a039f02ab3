#pragma once
// Reading back what a player sees, in the bytes the ANSI calls give.

#include <windows.h>

#include <string>

std::string ControlText(HWND control);

// Bytes as hex, so that GBK texts compare readably in failure messages.
std::string BytesInHex(const std::string& bytes);
