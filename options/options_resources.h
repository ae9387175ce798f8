#pragma once
// Resource ids of the options program's own dialogs (the pages have a header each).
#define IDD_ABOUT 100
#define IDS_ABOUT_MENU 101
#define IDD_OPTIONS_MAIN 102
#define IDI_OPTIONS 128
#define IDC_OPTIONS_TABS 1002
