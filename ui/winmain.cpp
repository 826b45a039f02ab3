#include <windows.h>

#include "ui/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    // Without a window no WM_QUIT would ever come: end instead of waiting forever.
    if (!CreateMainWindow(instance, showCommand))
        return 1;
    MSG message;
    // GetMessageA answers -1 on failure; looping on it would spin for ever.
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
