#include "options/typing_notifications_win32.h"

#include <algorithm>

#include "platform/win32/caught_exception_win32.h"

namespace zembrik {

namespace {

// Throttling on for one edit, off again however the edit ends.
class ThrottlingScope {
 public:
  explicit ThrottlingScope(ThrottledPageServices& services) noexcept : services_(services) {
    services_.setThrottling(true);
  }
  ~ThrottlingScope() { services_.setThrottling(false); }
  ThrottlingScope(const ThrottlingScope&) = delete;
  ThrottlingScope& operator=(const ThrottlingScope&) = delete;

 private:
  ThrottledPageServices& services_;
};

}  // namespace

TypingNotifications::TypingNotifications(FormPageServices& inner, HWND page)
    : throttled_(inner, kIntervalMs, [] { return std::uint64_t{GetTickCount()}; }), page_(page) {}

void TypingNotifications::typed(const std::function<void()>& edit) {
  {
    ThrottlingScope throttling(throttled_);
    edit();
  }
  armTimer();
}

void TypingNotifications::flush() {
  timer_.reset();
  throttled_.flush();
}

void TypingNotifications::armTimer() {
  if (!throttled_.holding()) {
    timer_.reset();
    return;
  }
  // A procedure of its own, with this object as the id: the base page takes every WM_TIMER
  // that reaches the page's dialog procedure, and a page may hold more than one of these.
  timer_ = UniqueTimer(page_, reinterpret_cast<UINT_PTR>(this),
                       std::max<UINT>(throttled_.msUntilDue(), 1), &onTimer);
}

void CALLBACK TypingNotifications::onTimer(HWND, UINT, UINT_PTR id, DWORD) {
  try {
    // The timer dies with this object (UniqueTimer) or with the page window before it.
    auto* notifications = reinterpret_cast<TypingNotifications*>(id);
    notifications->throttled_.sendDue();
    notifications->armTimer();
  } catch (...) {
    recordCaughtException(L"TypingNotifications::onTimer");
  }
}

}  // namespace zembrik
