#pragma once
// The Clock page's view of the settings editor's clock-set state: the key in use, the
// own-key operation, NotifyClock for the edited clock, and the clock's measured height.
#include "engine/options/clock_page_model.h"
#include "engine/options/clock_set_model.h"
#include "engine/options/clock_set_windows.h"

namespace zembrik {

class ClockSetPageServices final : public ClockPageServices {
 public:
  ClockSetPageServices(ClockSetModel& model, ClockSetWindows& windows)
      : model_(model), windows_(windows) {}

  RegistryKey* setKey() override { return model_.setKey(); }
  OwnKey makeSureOfOwnKey() override;
  void notifyClock(int scope) override;
  std::int32_t currentSet() const override { return model_.currentSet(); }
  int measuredClockHeight() const override;
  std::u16string fontDescription(std::u16string_view spec) const override;

 private:
  ClockSetModel& model_;
  ClockSetWindows& windows_;
};

}  // namespace zembrik
