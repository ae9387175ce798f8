#pragma once
// Control ids of the PerfMeter page (dialog template 109).
#define IDD_PAGE_PERFMETER 109
