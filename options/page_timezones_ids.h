#pragma once
// Control ids of the Time Zones page (dialog template 110) and of its "Select Timezone and
// abbreviation" dialog (template 130).
#define IDD_PAGE_TIMEZONES 110
#define IDC_ZONES_GRID 1030
#define IDC_ZONE_ADD 1024
#define IDC_ZONE_EDIT 1078
#define IDC_ZONE_DELETE 1027
#define IDC_ZONE_LOCALE 1107

#define IDD_SELECT_TZONE 130
#define IDC_TZONE_ABBREVIATION 1014
#define IDC_TZONE_ZONE 1026
#define IDC_TZONE_STANDARD 1016
#define IDC_TZONE_DAYLIGHT 1018
