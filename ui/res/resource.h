#pragma once
// The names and ids of the program's resources, controls, menu items and timers,
// and the files its resources are made from, for the resource script, the program,
// its tests and its tools. The main, Help and About templates are addressed by name,
// everything else by number.

// A bare word of the resource script as the code's string.
#define RESOURCE_NAME_(word) #word
#define RESOURCE_NAME(word) RESOURCE_NAME_(word)

// The templates by name, as the program asks for them; resource compilers store names
// in capitals, and lookups by name ignore case. Help's is not written HELP, a keyword
// of resource scripts.
#define IDD_MAIN            vlx
#define IDD_HELP            help
#define IDD_ABOUT           about

// The main window's class, which the program registers and whose template bears its name.
#define MAIN_WINDOW_CLASS   RESOURCE_NAME(IDD_MAIN)
// The same class as the template names it: windres stores a class name in capitals,
// llvm-rc as written, so it is written in capitals for both to store the same bytes.
#define MAIN_TEMPLATE_CLASS "VLX"

// Main window template IDD_MAIN
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

// Card faces, one a value, numbered in order: the face of value v is IDB_CARD_1 + v - 1,
// made from the file CARD_FACE_FILE(vv) beside the script, vv the value in two digits
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
#define CARD_FACE_FILE(vv)  RESOURCE_NAME(card##vv.bmp)

// Group icons: the window class's (images 1 and 2) and the About box's (image 3)
#define IDI_VELTRO          134
#define IDI_ABOUT           136
#define VELTRO_ICON_FILE    "veltro.ico"
#define ABOUT_ICON_FILE     "about.ico"
