#pragma once
// The user's locale as the name tables read it (GetUserDefaultLCID and GetLocaleInfoW).
#include <cstdint>
#include <optional>
#include <string>

namespace zembrik {

// The platform's LCTYPE numbers for the names the tables ask for. Days are numbered by the
// platform from Monday (1) to Sunday (7).
inline constexpr std::uint32_t kLocaleDayName1 = 0x2A;          // LOCALE_SDAYNAME1 .. +6
inline constexpr std::uint32_t kLocaleAbbrevDayName1 = 0x31;    // LOCALE_SABBREVDAYNAME1 .. +6
inline constexpr std::uint32_t kLocaleMonthName1 = 0x38;        // LOCALE_SMONTHNAME1 .. +11
inline constexpr std::uint32_t kLocaleAbbrevMonthName1 = 0x44;  // LOCALE_SABBREVMONTHNAME1 .. +11
inline constexpr std::uint32_t kLocaleAbbrevMonthName13 = 0x100F;  // LOCALE_SABBREVMONTHNAME13

class LocaleSource {
 public:
  virtual ~LocaleSource() = default;
  virtual std::uint32_t userDefaultLocale() = 0;
  // The text of one locale item, or nothing when the call fails (including a text that does not
  // fit the 1024-character buffer).
  virtual std::optional<std::u16string> localeInfo(std::uint32_t locale, std::uint32_t item) = 0;
};

}  // namespace zembrik
