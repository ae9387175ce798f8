#include "options/page_clock_win32.h"

#include "options/page_clock_ids.h"

namespace zembrik {

CTabClock::CTabClock(OptionsContext& context) : C_BaseTab(context, IDD_PAGE_CLOCK) {}

}  // namespace zembrik
