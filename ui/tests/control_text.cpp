#include "ui/tests/control_text.h"

#include <cstdio>

std::string ControlText(HWND control)
{
    char text[512] = "";
    GetWindowTextA(control, text, sizeof text);
    return text;
}

std::string BytesInHex(const std::string& bytes)
{
    std::string hex;
    for (unsigned char c : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02x ", c);
        hex += digits;
    }
    return hex;
}
