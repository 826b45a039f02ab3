#pragma once
// Counts the process's live GDI objects from the handle table the process environment block
// maps in (as on Windows; GetGuiResources answers 0 under Wine); a freed handle's type is zero.

// The number of live GDI objects, or -1 when the table cannot be found (as under 32-bit Wine).
int CountGdiObjects();
