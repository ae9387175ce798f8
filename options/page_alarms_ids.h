#pragma once
// Control ids of the Alarms page (dialog template 133).
#define IDD_PAGE_ALARMS 133
