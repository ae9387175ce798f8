#pragma once
// Control ids of the Time Zones page (dialog template 110).
#define IDD_PAGE_TIMEZONES 110
