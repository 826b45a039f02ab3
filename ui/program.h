#pragma once
#include <windows.h>

// The module every dialog and bitmap is loaded from; CreateMainWindow stores it.
extern HINSTANCE programInstance;
