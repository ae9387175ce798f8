#pragma once
// The form pages' services given by the clock-set model: its keys, its per-set writes through
// the set's own key, and its NotifyClock.
#include <functional>

#include "engine/options/clock_set_model.h"
#include "engine/options/form_binding.h"

namespace zembrik {

class FormClockSetServices final : public FormPageServices {
 public:
  using MessageSink =
      std::function<void(std::u16string_view text, std::u16string_view caption, MessageIcon)>;

  using SettingsOpener = std::function<std::unique_ptr<RegistryKey>()>;

  FormClockSetServices(ClockSetModel& model, SettingsOpener openSettings, MessageSink showMessage)
      : model_(model),
        openSettings_(std::move(openSettings)),
        showMessage_(std::move(showMessage)) {}

  RegistryKey* settingsKey() override { return model_.settingsKey(); }
  std::unique_ptr<RegistryKey> reopenSettingsKey() override {
    return openSettings_ ? openSettings_() : nullptr;
  }
  RegistryKey* setKeyForReading() override { return model_.setKey(); }
  bool writeSetNumber(std::u16string_view name, std::uint32_t value) override {
    return model_.writeSetNumber(name, value);
  }
  bool writeSetText(std::u16string_view name, std::u16string_view value) override {
    return model_.writeSetText(name, value);
  }
  void notifyClock(NotifyScope scope) override { model_.notifyClock(scope); }
  void showMessage(std::u16string_view text, std::u16string_view caption,
                   MessageIcon icon) override {
    if (showMessage_)
      showMessage_(text, caption, icon);
  }

 private:
  ClockSetModel& model_;
  SettingsOpener openSettings_;
  MessageSink showMessage_;
};

}  // namespace zembrik
