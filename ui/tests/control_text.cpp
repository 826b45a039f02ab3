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

std::pair<int, int> EditSelection(HWND edit)
{
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}
