#pragma once
// Control ids of the General page (dialog template 107).
#define IDD_PAGE_GENERAL 107
