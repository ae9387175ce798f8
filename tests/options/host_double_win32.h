#pragma once
// A window of class "ZembrikClass" titled "Zembrik" in the test process, standing in for the
// host program: it records every message it receives (the reload requests of the pages).
#include <windows.h>

#include <cstddef>
#include <vector>

#include "platform/win32/win32_handles.h"
#include "platform/win32/window_bindings_win32.h"

namespace zembrik::testing {

struct ReceivedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class HostDouble {
 public:
  HostDouble();
  HostDouble(const HostDouble&) = delete;
  HostDouble& operator=(const HostDouble&) = delete;

  HWND window() const noexcept { return window_.get(); }
  // Messages at or above WM_USER, in arrival order (posted ones arrive when the test pumps).
  const std::vector<ReceivedMessage>& received() const noexcept { return received_; }
  std::size_t count(UINT message) const;
  void clear() { received_.clear(); }

 private:
  static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  RegisteredClass class_;  // before the window, so that it goes after it
  UniqueWindow window_;
  std::vector<ReceivedMessage> received_;
};

}  // namespace zembrik::testing
