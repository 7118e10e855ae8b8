// Control and resource identifiers, shared by the code and the resource script.
// Kept by hand; keep the groups in order.
#ifndef LANTERRA_RESOURCE_H
#define LANTERRA_RESOURCE_H

// Main window: launcher button n has IDC_FIRST_BUTTON + n, its caption IDC_FIRST_LABEL + n
#define IDC_FIRST_BUTTON    200
#define IDC_LAST_BUTTON     249
#define IDC_FIRST_LABEL     300
#define IDC_EXIT            1000
#define IDC_ABOUT           1022

// About box (IDOK comes from the Windows headers)
#define IDC_ABOUT_TEXT      1037
#define IDC_ABOUT_VERSION   1039
#define IDC_ABOUT_PICTURE   1050

// Bitmaps
#define IDB_ABOUT_PICTURE   106

// Help
#define HELP_CONTEXT_MAIN   2000

#endif
