#pragma once
// The live system state the format language and the name tables read, over kernel32 and user32.
#include "engine/format/platform_state.h"
#include "engine/names/locale_source.h"

namespace zembrik {

// Lock-key toggles of the calling thread's keyboard state (the low bit of a key's state is its
// toggle). The state is read once, at the first question, and kept: where each read is a call
// to another process (under Wine) it is most of a paint. A keyboard hook's view of the lock keys'
// presses keeps it up to date (`noteKeyEvent`): the hook sees a press before the system toggles
// the key, and a thread without the keyboard's focus may not see a new toggle in its own state
// at all (under Wine it never does). Without such events the state is read again in each minute,
// in case a change went unseen; once they come, a read could only undo them.
class Win32LockKeyStates final : public LockKeyStates {
 public:
  bool isToggledOn(LockKey key) override;
  // The next question reads the system's state, whatever the events said.
  void forget() noexcept {
    read_ = false;
    followed_ = false;
  }
  // Forgets the states read in another minute than `minute` (any clock's minute, 0-59) unless
  // key events have kept them since.
  void keepWithinMinute(int minute) noexcept {
    if (minute != minute_) {
      minute_ = minute;
      if (!followed_)
        read_ = false;
    }
  }
  // A lock key went down (`down`) or up. The first down of a press toggles the key; the downs
  // a held key repeats do not.
  void noteKeyEvent(LockKey key, bool down) noexcept;

 private:
  bool& toggleOf(LockKey key) noexcept;

  bool read_ = false;
  bool followed_ = false;  // key events have updated the states since they were read
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
