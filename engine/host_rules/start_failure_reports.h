#pragma once
// Which start failures reported by the hook library the host shows to the user. The library
// reports a failed taskbar scan wherever it happens, also while the host is detaching to stop
// (when the shell is gone, every detach fails its scan) and also from inside the modal loop of a
// box the host is already showing. Showing each of those would stack boxes without end, so a
// failure is shown once per reason, never while another is shown, and never while stopping.
#include <cstdint>

namespace zembrik {

class StartFailureReports {
 public:
  // The host is ending (asked to stop, or exit chosen): later failures show nothing.
  void noteStopping() { stopping_ = true; }
  bool stopping() const { return stopping_; }

  // True when the failure with `reason` is to be shown now; then call finishedShowing() once
  // the box is gone.
  bool beginShowing(int reason);
  void finishedShowing() { showing_ = false; }

 private:
  bool stopping_ = false;
  bool showing_ = false;
  std::uint64_t shownReasons_ = 0;  // bit n: reason n was shown (reasons 0..63; others share 63)
};

}  // namespace zembrik
