#pragma once
// Control ids of the Customization page (dialog template 132).
#define IDD_PAGE_CUSTOMIZATION 132
