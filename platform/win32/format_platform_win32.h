#pragma once
// The live system state the format language and the name tables read, over kernel32 and user32.
#include "format/platform_state.h"
#include "names/locale_source.h"

namespace zembrik {

// Lock-key toggles of the calling thread's keyboard state (the low bit of a key's state is its
// toggle). The state is read once, at the first question, and kept until `forget` or until a
// question in another minute: where each read is a call to another process (under Wine) it is
// most of a paint, so the clock reads again only when a lock key was reported to change (its
// keyboard hook calls `forget`) and once a minute in case a change went unseen.
class Win32LockKeyStates final : public LockKeyStates {
 public:
  bool isToggledOn(LockKey key) override;
  void forget() noexcept { read_ = false; }
  // Forgets the states unless they were read in `minute` (any clock's minute, 0-59), which
  // becomes the minute of the next read.
  void keepWithinMinute(int minute) noexcept {
    if (minute != minute_) {
      read_ = false;
      minute_ = minute;
    }
  }

 private:
  bool read_ = false;
  bool caps_ = false;
  bool num_ = false;
  bool scroll_ = false;
  int minute_ = -1;
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
