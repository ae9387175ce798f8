#include "engine/names/name_loading.h"

#include "engine/names/name_list_parser.h"
#include "engine/registry/registry_access.h"

namespace zembrik {

namespace {

struct ListValue {
  std::u16string_view valueName;
  NameList list;
};
constexpr ListValue kListValues[] = {
    {u"weekDays", NameList::WeekDays},
    {u"weekDaysAbbr", NameList::WeekDaysAbbr},
    {u"monthNames", NameList::MonthNames},
    {u"monthNamesAbbr", NameList::MonthNamesAbbr},
};

struct TextValue {
  std::u16string_view valueName;
  NameText text;
};
constexpr TextValue kTextValues[] = {
    {u"textAM", NameText::AM},
    {u"textPM", NameText::PM},
    {u"textCapsOn", NameText::CapsOn},
    {u"textCapsOff", NameText::CapsOff},
    {u"textNumOn", NameText::NumOn},
    {u"textNumOff", NameText::NumOff},
    {u"textScrollOn", NameText::ScrollOn},
    {u"textScrollOff", NameText::ScrollOff},
};

// Every failed call puts the English name in place: the tables may hold another locale's names
// from an earlier attach.
void loadLocaleList(NameTables& tables, LocaleSource& locale, std::uint32_t lcid, NameList list,
                    NameList english, std::size_t count, auto itemOf) {
  for (std::size_t i = 0; i < count; ++i) {
    auto name = locale.localeInfo(lcid, itemOf(i));
    tables.setEntry(list, i, name ? std::move(*name) : std::u16string(englishName(english, i)));
  }
}

// The platform numbers days from Monday = 1; the tables index them from Sunday = 0.
std::uint32_t platformDayOffset(std::size_t sundayFirst) {
  return static_cast<std::uint32_t>((sundayFirst + 6) % 7);
}

}  // namespace

void loadLocaleNames(NameTables& tables, LocaleSource& locale) {
  auto lcid = locale.userDefaultLocale();
  loadLocaleList(tables, locale, lcid, NameList::LocaleDaysAbbr, NameList::EnglishDaysAbbr,
                 kDayEntries,
                 [](std::size_t d) { return kLocaleAbbrevDayName1 + platformDayOffset(d); });
  loadLocaleList(tables, locale, lcid, NameList::LocaleDays, NameList::EnglishDays, kDayEntries,
                 [](std::size_t d) { return kLocaleDayName1 + platformDayOffset(d); });
  loadLocaleList(tables, locale, lcid, NameList::LocaleMonthsAbbr, NameList::EnglishMonthsAbbr,
                 kMonthEntries, [](std::size_t m) {
                   return m < 12 ? kLocaleAbbrevMonthName1 + static_cast<std::uint32_t>(m)
                                 : kLocaleAbbrevMonthName13;
                 });
  // Full month names are asked for January to December only; the 13th keeps its English text.
  loadLocaleList(tables, locale, lcid, NameList::LocaleMonths, NameList::EnglishMonths, 12,
                 [](std::size_t m) { return kLocaleMonthName1 + static_cast<std::uint32_t>(m); });
}

bool applyNameValue(NameTables& tables, std::u16string_view valueName,
                    std::optional<std::u16string_view> value) {
  for (const auto& lv : kListValues) {
    if (lv.valueName != valueName)
      continue;
    auto entries = parseNameList(value.value_or(std::u16string_view{}), entryCount(lv.list));
    for (std::size_t i = 0; i < entries.size(); ++i) {
      tables.setEntry(lv.list, i, std::move(entries[i]));
    }
    return true;
  }
  for (const auto& tv : kTextValues) {
    if (tv.valueName != valueName)
      continue;
    tables.setText(tv.text, std::u16string(value ? *value : defaultText(tv.text)));
    return true;
  }
  return false;
}

void loadNameTexts(NameTables& tables, RegistryKey& root) {
  auto load = [&](std::u16string_view valueName) {
    auto text = readText(root, valueName);
    applyNameValue(tables, valueName,
                   text ? std::optional<std::u16string_view>(*text) : std::nullopt);
  };
  for (const auto& lv : kListValues) load(lv.valueName);
  for (const auto& tv : kTextValues) load(tv.valueName);
}

}  // namespace zembrik
