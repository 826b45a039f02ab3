#pragma once
// The ids of the program's resources, controls, menu items and timers, for the
// resource script, the program, its tests and its tools. The main, Help and About
// templates are addressed by name (VLX, HELP, ABOUT); everything else by number.

// The main window's class, which names its template too (names match without
// regard to case; the script writes them in capitals, as windres stores them).
#define MAIN_WINDOW_CLASS   "vlx"

// Main window template "VLX"
#define IDC_SOLUTION_LIST   1001
#define IDC_SUBMIT          1002
#define IDC_CUSTOM_HAND     1003
#define IDC_SHOW_RESULTS    1004
#define IDC_DEAL            1005
#define IDC_CLOSE           1006
#define IDC_CLOCK           1007
#define IDC_ANSWER          1008

// System-menu commands that the main window adds when it is created
#define IDM_HELP            170
#define IDM_ABOUT           171

// Custom hand dialog: four card value fields, then OK (IDOK) and Cancel (IDCANCEL)
#define IDD_CUSTOM_HAND     131
#define IDC_CARD_FIELD_0    1013
#define IDC_CARD_FIELD_1    1014
#define IDC_CARD_FIELD_2    1015
#define IDC_CARD_FIELD_3    1016

// Verdict dialog: progress bar, headline, detail
#define IDD_VERDICT         133
#define IDC_VERDICT_BAR     1014
#define IDC_VERDICT_HEAD    1015
#define IDC_VERDICT_DETAIL  1016

// Timers: the deal clock's on the main window, the bar's on the verdict dialog
#define IDT_CLOCK           1
#define IDT_VERDICT         2

// Card faces, one a value, numbered in order: the face of value v is IDB_CARD_1 + v - 1
#define IDB_CARD_1          104
#define IDB_CARD_2          105
#define IDB_CARD_3          106
#define IDB_CARD_4          107
#define IDB_CARD_5          108
#define IDB_CARD_6          109
#define IDB_CARD_7          110
#define IDB_CARD_8          111
#define IDB_CARD_9          112
#define IDB_CARD_10         113
#define IDB_CARD_11         114
#define IDB_CARD_12         115
#define IDB_CARD_13         116

// Group icons: the window class's (images 1 and 2) and the About box's (image 3)
#define IDI_VELTRO          134
#define IDI_ABOUT           136
