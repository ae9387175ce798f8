#pragma once
// Resource and control ids of the calendar popup's dialog template.
#define IDD_CALENDAR 120
#define IDC_CALENDAR_AREA -1
#define IDC_CALENDAR_YEAR_BACK 1002
#define IDC_CALENDAR_YEAR_FORWARD 1004
#define IDC_CALENDAR_MONTH_BACK 1005
#define IDC_CALENDAR_MONTH_FORWARD 1006
#define IDC_CALENDAR_TODAY 1007
