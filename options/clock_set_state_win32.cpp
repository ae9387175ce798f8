#include "options/clock_set_state_win32.h"

#include <memory>

#include "options/clock_set_windows_win32.h"
#include "platform/win32/registry_win32.h"

namespace zembrik {
namespace {

struct ClockSetState {
  std::unique_ptr<RegistryKey> currentUser = openCurrentUserRoot();
  Win32ClockSetWindows windows;
  std::function<void(const std::u16string&)> sink;
  ClockSetModel model{*currentUser, windows, [this](const std::u16string& text) {
                        if (sink)
                          sink(text);
                      }};
};

std::unique_ptr<ClockSetState>& state() {
  static std::unique_ptr<ClockSetState> instance;
  if (!instance)
    instance = std::make_unique<ClockSetState>();
  return instance;
}

}  // namespace

ClockSetModel& clockSetModel() {
  return state()->model;
}

void setClockSetErrorSink(std::function<void(const std::u16string&)> sink) {
  state()->sink = std::move(sink);
}

void resetClockSetModel() {
  state().reset();
}

}  // namespace zembrik
