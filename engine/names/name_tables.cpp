#include "engine/names/name_tables.h"

namespace zembrik {

namespace {

constexpr std::u16string_view kEnglishDaysAbbr[kDayEntries] = {u"Sun", u"Mon", u"Tue", u"Wed",
                                                               u"Thu", u"Fri", u"Sat"};
constexpr std::u16string_view kEnglishDays[kDayEntries] = {
    u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"};
constexpr std::u16string_view kEnglishMonthsAbbr[kMonthEntries] = {
    u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul",
    u"Aug", u"Sep", u"Oct", u"Nov", u"Dec", u"?13"};
constexpr std::u16string_view kEnglishMonths[kMonthEntries] = {
    u"January", u"February",  u"March",   u"April",    u"May",      u"June", u"July",
    u"August",  u"September", u"October", u"November", u"December", u"?13"};

constexpr std::u16string_view kDefaultTexts[kNameTextCount] = {u"AM", u"PM", u"A", u" ",
                                                               u"N",  u" ",  u"S", u" "};

constexpr std::u16string_view kMissingEntry = u"?";

// The English list a locale list falls back to.
NameList englishCounterpart(NameList list) {
  switch (list) {
    case NameList::LocaleDaysAbbr:
      return NameList::EnglishDaysAbbr;
    case NameList::LocaleDays:
      return NameList::EnglishDays;
    case NameList::LocaleMonthsAbbr:
      return NameList::EnglishMonthsAbbr;
    case NameList::LocaleMonths:
      return NameList::EnglishMonths;
    default:
      return list;
  }
}

bool isEnglish(NameList list) {
  return list == NameList::EnglishDaysAbbr || list == NameList::EnglishDays ||
         list == NameList::EnglishMonthsAbbr || list == NameList::EnglishMonths;
}

bool isUserList(NameList list) {
  return list == NameList::WeekDaysAbbr || list == NameList::WeekDays ||
         list == NameList::MonthNamesAbbr || list == NameList::MonthNames;
}

std::size_t listSlot(NameList list) {
  return static_cast<std::size_t>(list);
}

}  // namespace

std::size_t entryCount(NameList list) {
  switch (list) {
    case NameList::LocaleDaysAbbr:
    case NameList::LocaleDays:
    case NameList::EnglishDaysAbbr:
    case NameList::EnglishDays:
    case NameList::WeekDaysAbbr:
    case NameList::WeekDays:
      return kDayEntries;
    default:
      return kMonthEntries;
  }
}

std::u16string_view englishName(NameList englishList, std::size_t index) {
  switch (englishList) {
    case NameList::EnglishDaysAbbr:
      return index < kDayEntries ? kEnglishDaysAbbr[index] : std::u16string_view{};
    case NameList::EnglishDays:
      return index < kDayEntries ? kEnglishDays[index] : std::u16string_view{};
    case NameList::EnglishMonthsAbbr:
      return index < kMonthEntries ? kEnglishMonthsAbbr[index] : std::u16string_view{};
    case NameList::EnglishMonths:
      return index < kMonthEntries ? kEnglishMonths[index] : std::u16string_view{};
    default:
      return {};
  }
}

std::u16string_view defaultText(NameText which) {
  auto slot = static_cast<std::size_t>(which);
  return slot < kNameTextCount ? kDefaultTexts[slot] : std::u16string_view{};
}

NameTables::NameTables() {
  for (std::size_t l = 0; l < kNameListCount; ++l) {
    auto list = static_cast<NameList>(l);
    for (std::size_t i = 0; i < entryCount(list); ++i) {
      lists_[l][i] = isUserList(list) ? std::u16string(kMissingEntry)
                                      : std::u16string(englishName(englishCounterpart(list), i));
    }
  }
  for (std::size_t t = 0; t < kNameTextCount; ++t)
    texts_[t] = defaultText(static_cast<NameText>(t));
}

std::u16string_view NameTables::entry(NameList list, std::size_t index) const {
  auto slot = listSlot(list);
  if (slot >= kNameListCount || index >= entryCount(list))
    return {};
  return lists_[slot][index];
}

std::u16string_view NameTables::text(NameText which) const {
  auto slot = static_cast<std::size_t>(which);
  return slot < kNameTextCount ? std::u16string_view(texts_[slot]) : std::u16string_view{};
}

void NameTables::setEntry(NameList list, std::size_t index, std::u16string value) {
  auto slot = listSlot(list);
  if (slot >= kNameListCount || isEnglish(list) || index >= entryCount(list))
    return;
  lists_[slot][index] = std::move(value);
}

void NameTables::setText(NameText which, std::u16string value) {
  auto slot = static_cast<std::size_t>(which);
  if (slot < kNameTextCount)
    texts_[slot] = std::move(value);
}

NameTables& processNameTables() {
  static NameTables tables;
  return tables;
}

}  // namespace zembrik
