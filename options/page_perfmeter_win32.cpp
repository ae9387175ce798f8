#include "options/page_perfmeter_win32.h"

#include "options/page_perfmeter_ids.h"

namespace zembrik {

CTabPerf::CTabPerf(OptionsContext& context) : C_BaseTab(context, IDD_PAGE_PERFMETER) {}

}  // namespace zembrik
