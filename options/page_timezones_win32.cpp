#include "options/page_timezones_win32.h"

#include "options/page_timezones_ids.h"

namespace zembrik {

CTabTZones::CTabTZones(OptionsContext& context) : C_BaseTab(context, IDD_PAGE_TIMEZONES) {}

}  // namespace zembrik
