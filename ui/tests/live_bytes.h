#pragma once
// The bytes the test program's C++ code, the game's included, holds through operator new,
// counted by replacing the global operator new and delete, whatever heap lies beneath.

long long LiveCppBytes();
