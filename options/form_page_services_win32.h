#pragma once
// The form pages' services over the base page's keys, until the pages reach the clock-set
// state: per-set values go into the page's set key and NotifyClock reaches the host window.
// Replaced by ClockSetPageServices (engine/options/clock_set_page_services.h) over the
// process-wide clock-set model once the base page offers it.
#include <windows.h>

#include <functional>

#include "engine/options/form_binding.h"
#include "options/user_interaction_win32.h"

namespace zembrik {

class PageKeyServices final : public FormPageServices {
 public:
  using KeyGetter = std::function<RegistryKey*()>;
  using OwnerGetter = std::function<HWND()>;

  PageKeyServices(KeyGetter settings, KeyGetter set, OwnerGetter owner, UserInteraction& ui)
      : settings_(std::move(settings)), set_(std::move(set)), owner_(std::move(owner)), ui_(ui) {}

  RegistryKey* settingsKey() override { return settings_(); }
  RegistryKey* setKeyForReading() override { return set_(); }
  bool writeSetNumber(std::u16string_view name, std::uint32_t value) override;
  bool writeSetText(std::u16string_view name, std::u16string_view value) override;
  void notifyClock(NotifyScope scope) override;
  void showMessage(std::u16string_view text, std::u16string_view caption,
                   MessageIcon icon) override;

 private:
  KeyGetter settings_;
  KeyGetter set_;
  OwnerGetter owner_;
  UserInteraction& ui_;
};

}  // namespace zembrik
