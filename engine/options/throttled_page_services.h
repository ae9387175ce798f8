#pragma once
// A form page's services whose notifications, while a run of edits is applied (keystrokes in a
// text field), pass a NotifyThrottle; everything else, writes included, goes through unchanged.
#include <cstdint>
#include <functional>
#include <memory>

#include "engine/options/form_binding.h"
#include "engine/options/notify_throttle.h"

namespace zembrik {

class ThrottledPageServices final : public FormPageServices {
 public:
  using Clock = std::function<std::uint64_t()>;  // milliseconds, steady

  ThrottledPageServices(FormPageServices& inner, std::uint32_t intervalMs, Clock now)
      : inner_(inner), throttle_(intervalMs), now_(std::move(now)) {}

  // Notifications asked for while throttling is on go through the throttle.
  void setThrottling(bool on) noexcept { throttling_ = on; }
  bool holding() const noexcept { return throttle_.holding(); }
  std::uint32_t msUntilDue() const { return throttle_.msUntilDue(now_()); }
  // The caller's timer fired: sends the held notification when it is due.
  void sendDue() {
    if (auto scope = throttle_.due(now_()))
      inner_.notifyClock(*scope);
  }
  // Sends the held notification now (the page closes).
  void flush() {
    if (auto scope = throttle_.flush())
      inner_.notifyClock(*scope);
  }

  RegistryKey* settingsKey() override { return inner_.settingsKey(); }
  std::unique_ptr<RegistryKey> reopenSettingsKey() override { return inner_.reopenSettingsKey(); }
  RegistryKey* setKeyForReading() override { return inner_.setKeyForReading(); }
  bool writeSetNumber(std::u16string_view name, std::uint32_t value) override {
    return inner_.writeSetNumber(name, value);
  }
  bool writeSetText(std::u16string_view name, std::u16string_view value) override {
    return inner_.writeSetText(name, value);
  }
  void notifyClock(NotifyScope scope) override {
    if (!throttling_) {
      inner_.notifyClock(scope);
      return;
    }
    if (auto now = throttle_.request(scope, now_()))
      inner_.notifyClock(*now);
  }
  void showMessage(std::u16string_view text, std::u16string_view caption,
                   MessageIcon icon) override {
    inner_.showMessage(text, caption, icon);
  }

 private:
  FormPageServices& inner_;
  NotifyThrottle throttle_;
  Clock now_;
  bool throttling_ = false;
};

}  // namespace zembrik
