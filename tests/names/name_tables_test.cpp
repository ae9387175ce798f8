// Name tables: the list encoding, the locale load with its English fallbacks, and the texts read
// from the settings root.
#include <gtest/gtest.h>

#include <map>

#include "engine/names/locale_source.h"
#include "engine/names/name_list_parser.h"
#include "engine/names/name_loading.h"
#include "engine/names/name_tables.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"

namespace zembrik {
namespace {

using Entries = std::vector<std::u16string>;

TEST(NameListParsing, EntriesAreTrimmedPaddedAndCut) {
  struct Case {
    std::u16string_view text;
    std::size_t count;
    Entries expected;
  };
  const Case cases[] = {
      {u"Sun;Mon;Tue;Wed;Thu;Fri;Sat", 7, {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"}},
      {u" Su ; Mo;;We;Th;Fr;Sa;extra", 7, {u"Su", u"Mo", u"?", u"We", u"Th", u"Fr", u"Sa"}},
      {u"", 7, Entries(7, u"?")},
      {u"Jan;Feb;Mar;Apr;May;Jun;Jul;Aug;Sep;Oct;Nov;Dec",
       13,
       {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov",
        u"Dec", u"?"}},
      // Leading blanks include control characters; trailing ones are spaces only.
      {u"\t\r\n a\t;b \x01;  ;c c  ", 4, {u"a\t", u"b \x01", u"?", u"c c"}},
      {u";;;", 3, {u"?", u"?", u"?"}},
      {u"a;b;", 3, {u"a", u"b", u"?"}},
      {u"   ", 2, {u"?", u"?"}},
      {u"x", 0, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parseNameList(c.text, c.count), c.expected);
  }
}

class FakeLocale final : public LocaleSource {
 public:
  std::uint32_t lcid = 0x407;
  std::map<std::uint32_t, std::u16string> items;  // items absent here fail
  std::uint32_t askedLocale = 0;

  std::uint32_t userDefaultLocale() override { return lcid; }
  std::optional<std::u16string> localeInfo(std::uint32_t locale, std::uint32_t item) override {
    askedLocale = locale;
    auto found = items.find(item);
    if (found == items.end())
      return std::nullopt;
    return found->second;
  }
};

TEST(NameFallbacks, LocaleNamesFallBackToEnglishPerFailedCall) {
  FakeLocale locale;
  locale.items =
      {
          {0x2A, u"Montag"}, {0x30, u"Sonntag"},  {0x31, u"Mo"},   {0x37, u"So"},
          {0x38, u"Januar"}, {0x43, u"Dezember"}, {0x44, u"Jan."}, {0x4F, u"Dez."},
          {0x100F, u""},  // most locales have an empty 13th month
      };
  NameTables tables;
  loadLocaleNames(tables, locale);
  EXPECT_EQ(locale.askedLocale, 0x407u);

  struct Case {
    NameList list;
    std::size_t index;
    std::u16string_view expected;
  };
  const Case cases[] = {
      {NameList::LocaleDays, 0, u"Sonntag"},    {NameList::LocaleDays, 1, u"Montag"},
      {NameList::LocaleDays, 2, u"Tuesday"},    {NameList::LocaleDaysAbbr, 0, u"So"},
      {NameList::LocaleDaysAbbr, 1, u"Mo"},     {NameList::LocaleDaysAbbr, 6, u"Sat"},
      {NameList::LocaleMonths, 0, u"Januar"},   {NameList::LocaleMonths, 11, u"Dezember"},
      {NameList::LocaleMonths, 5, u"June"},     {NameList::LocaleMonths, 12, u"?13"},
      {NameList::LocaleMonthsAbbr, 0, u"Jan."}, {NameList::LocaleMonthsAbbr, 11, u"Dez."},
      {NameList::LocaleMonthsAbbr, 12, u""},    {NameList::LocaleMonthsAbbr, 1, u"Feb"},
      {NameList::EnglishDays, 0, u"Sunday"},    {NameList::EnglishMonthsAbbr, 12, u"?13"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.list) * 100 + static_cast<int>(c.index));
    EXPECT_EQ(tables.entry(c.list, c.index), c.expected);
  }

  // A later attach whose calls fail does not keep the earlier locale's names.
  locale.items.clear();
  loadLocaleNames(tables, locale);
  EXPECT_EQ(tables.entry(NameList::LocaleDays, 0), u"Sunday");
  EXPECT_EQ(tables.entry(NameList::LocaleMonthsAbbr, 12), u"?13");
}

TEST(NameFallbacks, LookupsPastTheEndAreEmpty) {
  NameTables tables;
  const std::pair<NameList, std::size_t> cases[] = {
      {NameList::WeekDays, 7},       {NameList::LocaleDaysAbbr, 7},
      {NameList::EnglishDays, 100},  {NameList::MonthNames, 13},
      {NameList::EnglishMonths, 13}, {NameList::LocaleMonths, std::size_t(-1)},
  };
  for (const auto& [list, index] : cases) EXPECT_TRUE(tables.entry(list, index).empty());
  EXPECT_EQ(tables.entry(NameList::WeekDays, 6), u"?");
  // The English tables cannot be overwritten.
  tables.setEntry(NameList::EnglishDays, 0, u"x");
  EXPECT_EQ(tables.entry(NameList::EnglishDays, 0), u"Sunday");
}

class RegistryNames : public ::testing::Test {
 protected:
  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> root =
      registry.currentUser()
          ->createSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite, KeyLifetime::Persistent)
          .key;
  NameTables tables;
};

TEST_F(RegistryNames, TextsTakeTheirDefaultsOnlyWhenAbsent) {
  writeText(*root, u"textCapsOff", u"");
  writeText(*root, u"textAM", u" vorm. ");
  writeNumber(*root, u"textPM", 1);  // wrong type: absent
  writeText(*root, u"weekDaysAbbr", u" Su ; Mo;;We;Th;Fr;Sa;extra");
  loadNameTexts(tables, *root);

  struct Case {
    NameText text;
    std::u16string_view expected;
  };
  const Case cases[] = {
      {NameText::AM, u" vorm. "}, {NameText::PM, u"PM"},       {NameText::CapsOn, u"A"},
      {NameText::CapsOff, u""},   {NameText::NumOn, u"N"},     {NameText::NumOff, u" "},
      {NameText::ScrollOn, u"S"}, {NameText::ScrollOff, u" "},
  };
  for (const auto& c : cases) EXPECT_EQ(tables.text(c.text), c.expected);
  EXPECT_EQ(tables.entry(NameList::WeekDaysAbbr, 2), u"?");
  EXPECT_EQ(tables.entry(NameList::WeekDaysAbbr, 6), u"Sa");
  EXPECT_EQ(tables.entry(NameList::WeekDays, 0), u"?");  // absent list
}

TEST_F(RegistryNames, EveryLoadReplacesListsAndTextsWhole) {
  writeText(*root, u"monthNames", u"a;b;c;d;e;f;g;h;i;j;k;l;m");
  writeText(*root, u"textNumOn", u"NUM");
  loadNameTexts(tables, *root);
  EXPECT_EQ(tables.entry(NameList::MonthNames, 12), u"m");

  writeText(*root, u"monthNames", u"x");
  root->deleteValue(u"textNumOn");
  loadNameTexts(tables, *root);
  EXPECT_EQ(tables.entry(NameList::MonthNames, 0), u"x");
  EXPECT_EQ(tables.entry(NameList::MonthNames, 1), u"?");
  EXPECT_EQ(tables.entry(NameList::MonthNames, 12), u"?");
  EXPECT_EQ(tables.text(NameText::NumOn), u"N");

  // Command-line overrides go through the same rules by value name.
  EXPECT_TRUE(applyNameValue(tables, u"weekDays", u"So;Mo"));
  EXPECT_TRUE(applyNameValue(tables, u"textScrollOn", std::nullopt));
  EXPECT_FALSE(applyNameValue(tables, u"weekDaysCal", u"x"));
  EXPECT_EQ(tables.entry(NameList::WeekDays, 2), u"?");
  EXPECT_EQ(tables.text(NameText::ScrollOn), u"S");
}

}  // namespace
}  // namespace zembrik
