#pragma once
// A desktop as selectClockSet sees it, set up by each test, recording the reloads posted.
#include <map>
#include <vector>

#include "engine/options/clock_set_windows.h"

namespace zembrik::testing {

class FakeClockSetWindows final : public ClockSetWindows {
 public:
  std::optional<PrimaryTaskbarWindows> primary;
  std::vector<SecondaryTaskbarWindows> secondaries;
  std::map<WindowRef, MonitorFacts> monitors;
  WindowRef host = kNoWindow;
  std::vector<WindowRef> posted;
  int queries = 0;

  std::optional<PrimaryTaskbarWindows> primaryTaskbar() override {
    ++queries;
    return primary;
  }
  std::vector<SecondaryTaskbarWindows> secondaryTaskbars() override { return secondaries; }
  std::optional<MonitorFacts> monitorOf(WindowRef window) override {
    auto found = monitors.find(window);
    if (found == monitors.end())
      return std::nullopt;
    return found->second;
  }
  WindowRef hostWindow() override { return host; }
  void postReload(WindowRef window) override { posted.push_back(window); }

  // A horizontal primary taskbar along the bottom of a 1280 x 800 screen, clock 0x100.
  void horizontalPrimary() {
    primary = PrimaryTaskbarWindows{0x100, {1200, 770, 1280, 800}, ScreenRect{0, 770, 1150, 800}};
  }
  // A vertical one at the left: the bands sit above the clock.
  void verticalPrimary() {
    primary = PrimaryTaskbarWindows{0x100, {0, 740, 60, 800}, ScreenRect{0, 0, 60, 700}};
  }
};

}  // namespace zembrik::testing
