// The Customization page: texts created only when changed, mouse defaults and program values.
#include <gtest/gtest.h>

#include "engine/options/page_customization_model.h"
#include "engine/registry/registry_access.h"
#include "tests/form_pages/form_page_fakes.h"

namespace zembrik {
namespace {

using testing::FakePageServices;
using testing::narrow;
using testing::valuesOf;
using Values = std::map<std::string, std::string>;

TEST(CustomizationPage, DefaultsAreShownButOnlyChangedTextsAreCreated) {
  FakePageServices fake;
  CustomizationPageModel page(fake, false);
  page.load();
  auto texts = page.state().texts;
  EXPECT_EQ(texts[0], u"AM");
  EXPECT_EQ(texts[2], u"A");
  page.setTexts(texts);  // a keystroke that changed nothing
  EXPECT_EQ(fake.registry.valueWrites(), 0u);

  texts[0] = u"am";  // textAM
  texts[2] = u"";    // textCapsOn cleared: overrides "A"
  texts[3] = u"";    // textCapsOff stays at its empty default
  page.setTexts(texts);
  EXPECT_EQ(valuesOf(*fake.settings), (Values{{"textAM", "sz:am"}, {"textCapsOn", "sz:"}}));
  EXPECT_EQ(fake.reloads.back(), NotifyScope::EveryClock);
}

TEST(CustomizationPage, StoredProgramValuesAreShownAsTyped) {
  struct Case {
    std::u16string_view stored;
    std::u16string_view shown;
  };
  const Case cases[] = {
      {u"C:\\Program Files\\App\\app.exe\u0001-x y", u"\"C:\\Program Files\\App\\app.exe\" -x y"},
      {u"C:\\Tools\\app.exe\u0001-x y", u"C:\\Tools\\app.exe -x y"},
      {u"C:\\Program Files\\App\\app.exe\u0001", u"\"C:\\Program Files\\App\\app.exe\""},
      {u"C:\\Tools\\app.exe\u0001", u"C:\\Tools\\app.exe"},
      {u"\"C:\\My App\\a.exe\"\u0001-q", u"\"C:\\My App\\a.exe\" -q"},  // already quoted
      {u"notepad.exe a b", u"notepad.exe a b"},                         // no separator: as is
      {u"\u0001", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(programValueForDisplay(c.stored), c.shown) << narrow(c.stored);
    EXPECT_EQ(mouseChoiceFromStored(c.stored).item, -1);
  }
}

TEST(CustomizationPage, StoredActionsSelectTheirItems) {
  EXPECT_EQ(mouseChoiceFromStored(u"*s").item, kSystemCalendar);
  EXPECT_EQ(mouseChoiceFromStored(u"*r").item, kTrayOptions);
  EXPECT_EQ(mouseChoiceFromStored(u"").item, kMouseNone);
  EXPECT_EQ(mouseChoiceFromStored(u"*q").item, kMouseNone);
}

TEST(CustomizationPage, MouseDefaultsFollowTheRightKeyValueAndSystem) {
  struct Case {
    bool stored;
    std::uint32_t value;
    bool oldSystem;
    std::array<int, 3> items;  // left, middle, right
  };
  const Case cases[] = {
      {false, 0, false, {kSystemCalendar, kMenu, kTrayOptions}},
      {true, 0, false, {kInternalCalendar, kMenu, kSystemCalendar}},
      {true, 1, false, {kSystemCalendar, kMenu, kInternalCalendar}},
      {false, 0, true, {kInternalCalendar, kMenu, kSystemCalendar}},
  };
  for (const auto& c : cases) {
    const auto defaults = mouseDefaults(c.stored, c.value, c.oldSystem);
    for (std::size_t b = 0; b < 3; ++b) EXPECT_EQ(defaults[b].item, c.items[b]) << b;
  }

  FakePageServices fake;
  writeText(*fake.settings, u"MouseButtonM", u"*c");
  CustomizationPageModel page(fake, false);
  page.load();
  EXPECT_EQ(page.state().mouse[0].item, kSystemCalendar);
  EXPECT_EQ(page.state().mouse[1].item, kInternalCalendar);  // stored wins
  EXPECT_EQ(page.state().mouse[2].item, kTrayOptions);
}

TEST(CustomizationPage, TypedProgramThenPickedItemStoresTheItem) {
  FakePageServices fake;
  CustomizationPageModel page(fake, false);
  page.load();
  page.typeMouseProgram(MouseButton::Left, u"  \"C:\\My App\\a.exe\" -q");
  EXPECT_EQ(readText(*fake.settings, u"MouseButtonL"), u"\"C:\\My App\\a.exe\" -q");
  page.chooseMouseItem(MouseButton::Left, kMenu);
  EXPECT_EQ(readText(*fake.settings, u"MouseButtonL"), u"*m");
  page.chooseMouseItem(MouseButton::Right, kMouseNone);
  EXPECT_EQ(readText(*fake.settings, u"MouseButtonR"), u"");
  EXPECT_EQ(fake.reloads, std::vector<NotifyScope>(3, NotifyScope::EveryClock));
  page.close();
  EXPECT_EQ(fake.reloads.size(), 4u);
}

}  // namespace
}  // namespace zembrik
