#pragma once
// The clock-set model of one main dialog, over the current user's registry and the desktop's
// windows. The dialog owns it and keeps it until its pages are gone: the pages' models and
// services keep references to it and to its settings key for their whole life.
#include <functional>
#include <memory>
#include <string>

#include "engine/options/clock_set_model.h"
#include "engine/registry/registry_key.h"
#include "options/clock_set_windows_win32.h"

namespace zembrik {

class OptionsClockSet {
 public:
  // `reportError` shows the model's error messages (in a message box over the dialog).
  explicit OptionsClockSet(std::function<void(const std::u16string&)> reportError);
  OptionsClockSet(const OptionsClockSet&) = delete;
  OptionsClockSet& operator=(const OptionsClockSet&) = delete;

  ClockSetModel& model() noexcept { return model_; }

 private:
  // Declared before the model, which keeps references to both.
  std::unique_ptr<RegistryKey> currentUser_;
  Win32ClockSetWindows windows_;
  ClockSetModel model_;
};

}  // namespace zembrik
