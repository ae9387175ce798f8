#pragma once
// The two pieces of live system state the renderer reads: lock-key toggles and the system's
// time-zone information. Win32 adapters live in platform/win32; tests use the fixed versions.
#include <algorithm>
#include <cstdint>
#include <string_view>

namespace zembrik {

enum class LockKey { Caps, Num, Scroll };

class LockKeyStates {
 public:
  virtual ~LockKeyStates() = default;
  virtual bool isToggledOn(LockKey key) = 0;
};

class FixedLockKeyStates final : public LockKeyStates {
 public:
  FixedLockKeyStates() = default;
  FixedLockKeyStates(bool caps, bool num, bool scroll) : caps_(caps), num_(num), scroll_(scroll) {}
  bool isToggledOn(LockKey key) override {
    return key == LockKey::Caps ? caps_ : key == LockKey::Num ? num_ : scroll_;
  }

 private:
  bool caps_ = false;
  bool num_ = false;
  bool scroll_ = false;
};

// The part of the platform's TIME_ZONE_INFORMATION the renderer needs. Names hold at most 31
// characters, as in the platform record.
struct SystemZoneInfo {
  static constexpr std::size_t kNameChars = 32;

  std::int32_t bias = 0;
  std::int32_t standardBias = 0;
  std::int32_t daylightBias = 0;
  bool daylightInForce = false;
  char16_t standardName[kNameChars] = {};
  char16_t daylightName[kNameChars] = {};

  // UTC minus local time in minutes, as the system applies it now.
  std::int32_t currentBias() const {
    return bias + (daylightInForce ? daylightBias : standardBias);
  }
  std::u16string_view standardNameView() const { return nameView(standardName); }
  std::u16string_view daylightNameView() const { return nameView(daylightName); }
  void setStandardName(std::u16string_view name) { copyName(name, standardName); }
  void setDaylightName(std::u16string_view name) { copyName(name, daylightName); }

 private:
  static std::u16string_view nameView(const char16_t (&name)[kNameChars]) {
    return {name, static_cast<std::size_t>(std::find(name, name + kNameChars - 1, u'\0') - name)};
  }
  static void copyName(std::u16string_view from, char16_t (&to)[kNameChars]) {
    std::size_t i = 0;
    for (; i + 1 < kNameChars && i < from.size(); ++i) to[i] = from[i];
    std::fill(to + i, to + kNameChars, u'\0');
  }
};

class SystemTimeZoneSource {
 public:
  virtual ~SystemTimeZoneSource() = default;
  // False when the system cannot tell; the renderer then uses bias 0 and empty names.
  virtual bool read(SystemZoneInfo& out) = 0;
};

class FixedSystemTimeZone final : public SystemTimeZoneSource {
 public:
  FixedSystemTimeZone() = default;
  explicit FixedSystemTimeZone(const SystemZoneInfo& info) : info_(info) {}
  bool read(SystemZoneInfo& out) override {
    out = info_;
    ++reads_;
    return true;
  }
  int reads() const { return reads_; }

 private:
  SystemZoneInfo info_;
  int reads_ = 0;
};

}  // namespace zembrik
