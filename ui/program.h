#pragma once
#include <windows.h>

// The module every dialog and bitmap is loaded from; WinMain stores it first.
extern HINSTANCE programInstance;
