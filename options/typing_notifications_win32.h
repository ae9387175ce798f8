#pragma once
// TypingNotifications: a form page's services whose reload notifications are coalesced while
// the user types. Every keystroke is written at once; the clocks are told at most once per
// interval, once more after the last keystroke (a timer of the page sends the held one), and
// whatever is still held goes when the page closes.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "engine/options/form_binding.h"
#include "engine/options/throttled_page_services.h"
#include "platform/win32/window_bindings_win32.h"

namespace zembrik {

class TypingNotifications {
 public:
  static constexpr std::uint32_t kIntervalMs = 250;

  // `inner` does the writes and notifications; `page` owns the timer.
  TypingNotifications(FormPageServices& inner, HWND page);
  // The timer's id is this object's address: it may neither move nor be copied.
  TypingNotifications(const TypingNotifications&) = delete;
  TypingNotifications& operator=(const TypingNotifications&) = delete;

  // What the page's model writes and notifies through.
  FormPageServices& services() noexcept { return throttled_; }
  // Runs the edit of one keystroke with its notification throttled, then arms the timer when
  // a notification is held.
  void typed(const std::function<void()>& edit);
  // Stops the timer and sends the held notification now (the page closes).
  void flush();

 private:
  void armTimer();
  static void CALLBACK onTimer(HWND window, UINT message, UINT_PTR id, DWORD time);

  ThrottledPageServices throttled_;
  HWND page_;
  UniqueTimer timer_;
};

}  // namespace zembrik
