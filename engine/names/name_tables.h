#pragma once
// Day and month names in three flavours (the user's locale, fixed English, the user's own lists)
// plus the AM/PM and lock-key texts. One instance serves every clock of a process.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zembrik {

enum class NameList {
  LocaleDaysAbbr,    // 7, Sunday first
  LocaleDays,        // 7
  LocaleMonthsAbbr,  // 13, January first
  LocaleMonths,      // 13
  EnglishDaysAbbr,
  EnglishDays,
  EnglishMonthsAbbr,
  EnglishMonths,
  WeekDaysAbbr,  // the user's lists, registry values `weekDaysAbbr` ...
  WeekDays,
  MonthNamesAbbr,
  MonthNames,
};
inline constexpr std::size_t kNameListCount = 12;

enum class NameText { AM, PM, CapsOn, CapsOff, NumOn, NumOff, ScrollOn, ScrollOff };
inline constexpr std::size_t kNameTextCount = 8;

inline constexpr std::size_t kDayEntries = 7;
inline constexpr std::size_t kMonthEntries = 13;

// Number of entries of a list: 7 for day lists, 13 for month lists.
std::size_t entryCount(NameList list);

class NameTables {
 public:
  // English locale names, every user list entry "?", the default texts: the state when neither
  // the locale nor the registry could be read.
  NameTables();

  // An index at or past the end of the list gives an empty text.
  std::u16string_view entry(NameList list, std::size_t index) const;
  std::u16string_view text(NameText which) const;

  // Entry `index` of a list; ignored past the end. The English lists are fixed.
  void setEntry(NameList list, std::size_t index, std::u16string value);
  void setText(NameText which, std::u16string value);

 private:
  static constexpr std::size_t kMaxEntries = kMonthEntries;
  std::array<std::array<std::u16string, kMaxEntries>, kNameListCount> lists_;
  std::array<std::u16string, kNameTextCount> texts_;
};

// The tables every clock of this process renders from.
NameTables& processNameTables();

// The fixed English texts and defaults.
std::u16string_view englishName(NameList englishList, std::size_t index);
std::u16string_view defaultText(NameText which);

}  // namespace zembrik
