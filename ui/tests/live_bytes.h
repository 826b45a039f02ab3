#pragma once
// The bytes that the test program's C++ code, the game's included, holds through
// operator new: counted by replacing the global operator new and delete, so the
// count is the program's own whatever heap manager lies beneath.

long long LiveCppBytes();
