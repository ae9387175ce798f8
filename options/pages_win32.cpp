#include "options/pages_win32.h"

#include <array>

#include "options/page_alarms_win32.h"
#include "options/page_clock_win32.h"
#include "options/page_customization_win32.h"
#include "options/page_general_win32.h"
#include "options/page_perfmeter_win32.h"
#include "options/page_timezones_win32.h"

namespace zembrik {

namespace {

template <typename Page>
std::unique_ptr<C_BaseTab> makePage(OptionsContext& context) {
  return std::make_unique<Page>(context);
}

// The creation order differs from the header order: the Time Zones page is made before the
// Alarms page but its header comes after it.
constexpr std::array<PageEntry, kOptionsPageCount> kPages = {{
    {L"General", 0, &makePage<CTabMain>},
    {L"Customization", 1, &makePage<CTabCustom>},
    {L"Clock", 2, &makePage<CTabClock>},
    {L"Time Zones", 4, &makePage<CTabTZones>},
    {L"Alarms", 3, &makePage<CTabAlarms>},
    {L"PerfMeter", 5, &makePage<CTabPerf>},
}};

}  // namespace

std::span<const PageEntry, kOptionsPageCount> optionsPages() {
  return kPages;
}

}  // namespace zembrik
