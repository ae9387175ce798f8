#pragma once
// The live system state the format language and the name tables read, over kernel32 and user32.
#include "format/platform_state.h"
#include "names/locale_source.h"

namespace zembrik {

// Lock-key toggles of the calling thread's keyboard state (the low bit of a key's state is its
// toggle). The state is read once, at the first question, and kept until `forget` or until a
// question in another minute: where each read is a call to another process (under Wine) it is
// most of a paint. In between, a keyboard hook's view of the lock keys' presses keeps it up to
// date (`noteKeyEvent`): the hook sees a press before the system toggles the key, and a thread
// that does not have the keyboard's focus may not see the new toggle in its own state at all
// (under Wine it never does).
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
  // A lock key went down (`down`) or up. The first down of a press toggles the key; the downs
  // a held key repeats do not.
  void noteKeyEvent(LockKey key, bool down) noexcept;

 private:
  bool& toggleOf(LockKey key) noexcept;

  bool read_ = false;
  bool caps_ = false;
  bool num_ = false;
  bool scroll_ = false;
  int minute_ = -1;
  bool held_[3] = {};  // per key: down since its last up
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
