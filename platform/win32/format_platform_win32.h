#pragma once
// The live system state the format language and the name tables read, over kernel32 and user32.
#include "format/platform_state.h"
#include "names/locale_source.h"

namespace zembrik {

// Lock-key toggles of the calling thread's keyboard state (the low bit of a key's state is its
// toggle). The state is read once, at the first question, and kept until `forget`: a face that
// shows several lock keys reads the keyboard once per paint, which matters where each read is a
// call to another process (under Wine).
class Win32LockKeyStates final : public LockKeyStates {
 public:
  bool isToggledOn(LockKey key) override;
  void forget() noexcept { read_ = false; }

 private:
  bool read_ = false;
  bool caps_ = false;
  bool num_ = false;
  bool scroll_ = false;
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
