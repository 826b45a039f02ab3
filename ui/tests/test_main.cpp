// Runs the window tests in-process, on the real Windows API of Wine (or Windows).

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "ui/program.h"

int main(int argc, char** argv)
{
    programInstance = GetModuleHandleA(nullptr);
    // As the main window does at creation: the verdict template names the progress bar.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
