#pragma once
// The live system state the format language and the name tables read, over kernel32 and user32.
#include "format/platform_state.h"
#include "names/locale_source.h"

namespace zembrik {

// Lock-key toggles from GetKeyState (its low bit is the toggle state).
class Win32LockKeyStates final : public LockKeyStates {
 public:
  bool isToggledOn(LockKey key) override;
};

// The system's time zone from GetTimeZoneInformation.
class Win32SystemTimeZone final : public SystemTimeZoneSource {
 public:
  bool read(SystemZoneInfo& out) override;
};

// The user's default locale from GetUserDefaultLCID and GetLocaleInfoW.
class Win32LocaleSource final : public LocaleSource {
 public:
  std::uint32_t userDefaultLocale() override;
  std::optional<std::u16string> localeInfo(std::uint32_t locale, std::uint32_t item) override;
};

}  // namespace zembrik
