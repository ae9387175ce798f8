#include "platform/win32/format_platform_win32.h"

#include <windows.h>

namespace zembrik {

static_assert(sizeof(WCHAR) == sizeof(char16_t));

namespace {

std::u16string_view nameOf(const WCHAR* name, std::size_t capacity) {
  const auto* text = reinterpret_cast<const char16_t*>(name);
  std::size_t length = 0;
  while (length < capacity && text[length] != u'\0') ++length;
  return {text, length};
}

}  // namespace

bool Win32LockKeyStates::isToggledOn(LockKey key) {
  if (!read_) {
    // One read of the whole keyboard state rather than one per key: where a key's state is a
    // call to another process (Wine's server) that is a third of the cost.
    BYTE state[256]{};
    if (GetKeyboardState(state)) {
      caps_ = (state[VK_CAPITAL] & 1) != 0;
      num_ = (state[VK_NUMLOCK] & 1) != 0;
      scroll_ = (state[VK_SCROLL] & 1) != 0;
    } else {
      caps_ = (GetKeyState(VK_CAPITAL) & 1) != 0;
      num_ = (GetKeyState(VK_NUMLOCK) & 1) != 0;
      scroll_ = (GetKeyState(VK_SCROLL) & 1) != 0;
    }
    read_ = true;
  }
  return toggleOf(key);
}

bool& Win32LockKeyStates::toggleOf(LockKey key) noexcept {
  return key == LockKey::Caps ? caps_ : key == LockKey::Num ? num_ : scroll_;
}

void Win32LockKeyStates::noteKeyEvent(LockKey key, bool down) noexcept {
  bool& held = held_[key == LockKey::Caps ? 0 : key == LockKey::Num ? 1 : 2];
  if (down && !held && read_) {
    toggleOf(key) = !toggleOf(key);
    followed_ = true;
  }
  held = down;
}

bool Win32SystemTimeZone::read(SystemZoneInfo& out) {
  TIME_ZONE_INFORMATION info{};
  DWORD state = GetTimeZoneInformation(&info);
  if (state == TIME_ZONE_ID_INVALID)
    return false;
  out.bias = info.Bias;
  out.standardBias = info.StandardBias;
  out.daylightBias = info.DaylightBias;
  out.daylightInForce = state == TIME_ZONE_ID_DAYLIGHT;
  out.setStandardName(nameOf(info.StandardName, std::size(info.StandardName)));
  out.setDaylightName(nameOf(info.DaylightName, std::size(info.DaylightName)));
  return true;
}

std::uint32_t Win32LocaleSource::userDefaultLocale() {
  return GetUserDefaultLCID();
}

std::optional<std::u16string> Win32LocaleSource::localeInfo(std::uint32_t locale,
                                                            std::uint32_t item) {
  WCHAR buffer[1024];
  int length = GetLocaleInfoW(locale, item, buffer, static_cast<int>(std::size(buffer)));
  if (length <= 0)
    return std::nullopt;  // failed, or the text does not fit
  // The returned length counts the terminating null.
  return std::u16string(nameOf(buffer, static_cast<std::size_t>(length)));
}

}  // namespace zembrik
