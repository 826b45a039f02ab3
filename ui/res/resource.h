#pragma once
// Resource ids. The main, Help and About templates are addressed by name (VLX,
// HELP, ABOUT); everything else by number.

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

// Card faces: the face of value v is bitmap v + IDB_CARD_BASE (1 -> 104, 13 -> 116)
#define IDB_CARD_BASE       103
#define IDB_CARD_FIRST      104
#define IDB_CARD_LAST       116

// Group icons: the window class's (images 1 and 2) and the About box's (image 3)
#define IDI_VELTRO          134
#define IDI_ABOUT           136
