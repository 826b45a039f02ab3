#pragma once
// Counts the process's live GDI objects. GetGuiResources answers 0 under Wine, so
// the count is read from the GDI handle table that the process environment block
// maps into every process (as on Windows), where a freed handle's type is zero.

// The number of live GDI objects, or -1 when the table cannot be found (as under 32-bit Wine).
int CountGdiObjects();
