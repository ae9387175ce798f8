#pragma once
// Control ids of the Clock page (dialog template 108).
#define IDD_PAGE_CLOCK 108
