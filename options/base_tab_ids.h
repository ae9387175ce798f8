#pragma once
// The clock-set controls that the Clock and PerfMeter pages share with the page framework.
#define IDC_CLOCK_SET_LABEL 1025
#define IDC_CLOCK_SET_COMBO 1100
#define IDC_MONITOR_COMBO 1102
