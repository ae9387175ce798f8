#include "engine/host_rules/start_failure_reports.h"

namespace zembrik {

bool StartFailureReports::beginShowing(int reason) {
  if (stopping_ || showing_)
    return false;
  const int bit = reason >= 0 && reason < 63 ? reason : 63;
  const std::uint64_t mask = std::uint64_t{1} << bit;
  if (shownReasons_ & mask)
    return false;
  shownReasons_ |= mask;
  showing_ = true;
  return true;
}

}  // namespace zembrik
