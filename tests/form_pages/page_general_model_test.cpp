// The General page's reads, writes, reload scopes and close list.
#include <gtest/gtest.h>

#include "engine/options/page_general_model.h"
#include "engine/registry/registry_access.h"
#include "tests/form_pages/form_page_fakes.h"

namespace zembrik {
namespace {

using testing::FakePageServices;
using testing::valuesOf;
using Values = std::map<std::string, std::string>;

class GeneralPage : public ::testing::Test {
 protected:
  GeneralPageModel& open(bool oldSystem = false) {
    model = std::make_unique<GeneralPageModel>(fake, *fake.user, oldSystem);
    model->load();
    model->loadClockSet(nullptr);
    return *model;
  }
  std::optional<std::u16string> runValue(std::u16string_view name) {
    OpenedKey run = fake.user->openSubkey(kRunKeyPath, kKeyRead);
    return run ? readText(*run.key, name) : std::nullopt;
  }

  FakePageServices fake;
  std::unique_ptr<GeneralPageModel> model;
};

TEST_F(GeneralPage, FreshSettingsShowTheDefaultsAndWriteNothing) {
  const GeneralPageState& s = open().state();
  EXPECT_TRUE(s.restart && s.weekStartsMonday && s.calendarOnTop);
  EXPECT_EQ(kWeekdayPlaces[s.weekdayPlace], u"top");
  EXPECT_EQ(kWeekNumberPlaces[s.weekNumberPlace], u"left");
  EXPECT_FALSE(s.todayChecked());
  EXPECT_FALSE(s.autoStartAvailable);  // no ZembrikName: the box is disabled
  EXPECT_TRUE(s.hideShowDesktopEnabled && s.flatTrayEnabled);
  EXPECT_EQ(fake.registry.valueWrites(), 0u);
  EXPECT_FALSE(fake.user->openSubkey(kRunKeyPath, kKeyRead));  // not created by looking
}

TEST_F(GeneralPage, OldSystemAndThemedTaskbarDisableTheirBoxes) {
  writeNumber(*fake.settings, u"hideShowDesktop", 1);
  auto thisKey = fake.user->createSubkey(u"Software\\OBR\\Zembrik\\this", kKeyReadWrite,
                                         KeyLifetime::Volatile);
  writeNumber(*thisKey.key, u"isXPtheme", 1);
  writeNumber(*fake.readSet, u"FlatTray", 1);
  GeneralPageModel& page = open(/*oldSystem=*/true);
  page.loadClockSet(thisKey.key.get());
  EXPECT_FALSE(page.state().hideShowDesktopEnabled);
  EXPECT_TRUE(page.state().hideShowDesktop);
  EXPECT_FALSE(page.state().flatTrayEnabled);
  EXPECT_TRUE(page.state().flatTray);
}

TEST_F(GeneralPage, TodayCalendarText) {
  struct Case {
    std::optional<std::uint32_t> stored;
    std::u16string_view ending;
  };
  const Case cases[] = {
      {std::nullopt, u"\"today\" always"},
      {50, u"\"today\" always"},
      {1500, u"if closed for more than 1500 ms"},
      {90000, u"if closed for more than 90 sec"},
      {120000, u"if closed for more than 2 min"},
      {7200000, u"if closed for more than 2 hour"},
      {0x80002710u, u"if closed for more than 10 sec"},  // switched off, time kept
  };
  for (const auto& c : cases) {
    const std::u16string text = todayCalendarText(c.stored);
    EXPECT_TRUE(text.starts_with(u"Calendar opens \"today\" ")) << testing::narrow(text);
    EXPECT_TRUE(text.ends_with(c.ending)) << testing::narrow(text);
  }
}

TEST_F(GeneralPage, TodayCalendarBoxAsksKeepsTimeAndCancels) {
  writeNumber(*fake.settings, u"TodayCalendar", 0x80002710u);
  GeneralPageModel& page = open();
  EXPECT_FALSE(page.state().todayChecked());

  std::uint32_t offered = 0;
  auto cancel = [&](std::uint32_t t) -> std::optional<std::uint32_t> {
    offered = t;
    return std::nullopt;
  };
  EXPECT_FALSE(page.clickTodayCalendar(true, cancel));
  EXPECT_EQ(offered, 10000u);
  EXPECT_EQ(readNumber(*fake.settings, u"TodayCalendar"), 0x80002710u);
  EXPECT_TRUE(fake.reloads.empty());

  EXPECT_TRUE(page.clickTodayCalendar(true, [](std::uint32_t t) { return std::optional(t); }));
  EXPECT_EQ(readNumber(*fake.settings, u"TodayCalendar"), 10000u);
  EXPECT_TRUE(todayCalendarText(page.state().todayCalendar).ends_with(u"10 sec"));

  EXPECT_FALSE(page.clickTodayCalendar(false, cancel));
  EXPECT_EQ(readNumber(*fake.settings, u"TodayCalendar"), 0x80002710u);
  EXPECT_EQ(fake.reloads, (std::vector{NotifyScope::HostOnly, NotifyScope::HostOnly}));
}

TEST_F(GeneralPage, EachControlWritesItsValuesWithItsScope) {
  struct Step {
    const char* what;
    std::function<void(GeneralPageModel&)> act;
    Values settingsAfter;
    std::optional<NotifyScope> scope;
  };
  const Step steps[] = {
      {"lists",
       [](auto& p) { p.setCalendarWeeks(2, 3); },
       {{"CalendarWeeks", "dword:14"}},
       NotifyScope::SelectedClock},
      {"switches",
       [](auto& p) { p.setSwitches(true, false, true); },
       {{"restart", "dword:1"}, {"weekMo", "dword:0"}, {"topCalendar", "dword:1"}},
       NotifyScope::EveryClock},
      {"taskbar slider",
       [](auto& p) { p.setTaskbarTransparency(40); },
       {{"transparentTaskBar", "dword:40"}},
       NotifyScope::EveryClock},
      {"calendar slider",
       [](auto& p) { p.setCalendarTransparency(130); },
       {{"transparentCalendar", "dword:100"}},
       NotifyScope::HostOnly},
      {"tooltip typed",
       [](auto& p) { p.setTexts(u"Su;Mo;Tu;We;Th;Fr;Sa", u"MMMM - yyyy", u"h"); },
       {{"CustomTooltip", "sz:h"}},
       NotifyScope::EveryClock},
      {"show desktop",
       [](auto& p) { p.setHideShowDesktop(true); },
       {{"hideShowDesktop", "dword:1"}},
       std::nullopt},
      {"show desktop off", [](auto& p) { p.setHideShowDesktop(false); }, {}, std::nullopt},
      {"calendar font",
       [](auto& p) {
         p.chooseCalendarFont({12, 700, u"Tahoma"});
       },
       {{"CalendarFont", "sz:12,700,:Tahoma"}},
       NotifyScope::SelectedClock},
  };
  for (const Step& step : steps) {
    FakePageServices local;
    GeneralPageModel page(local, *local.user, false);
    page.load();
    step.act(page);
    EXPECT_EQ(valuesOf(*local.settings), step.settingsAfter) << step.what;
    const std::vector<NotifyScope> expected =
        step.scope ? std::vector{*step.scope} : std::vector<NotifyScope>{};
    EXPECT_EQ(local.reloads, expected) << step.what;
  }
}

TEST_F(GeneralPage, FlatTrayGoesToTheSetsOwnKey) {
  GeneralPageModel& page = open();
  page.setFlatTray(true);
  EXPECT_EQ(valuesOf(*fake.ownSet), (Values{{"FlatTray", "dword:1"}}));
  EXPECT_TRUE(valuesOf(*fake.readSet).empty());
  EXPECT_EQ(fake.reloads, std::vector{NotifyScope::EveryClock});
}

TEST_F(GeneralPage, AutoStartIsWrittenAndRemovedAtOnce) {
  writeText(*fake.settings, u"ZembrikName", u"Zembrik");
  writeText(*fake.settings, u"ZembrikPath", u"\"C:\\Zembrik\\Zembrik64.exe\"");
  GeneralPageModel& page = open();
  ASSERT_TRUE(page.state().autoStartAvailable);
  EXPECT_FALSE(page.state().autoStart);
  page.setAutoStart(true);
  EXPECT_EQ(runValue(u"Zembrik"), u"\"C:\\Zembrik\\Zembrik64.exe\"");
  open();  // a new session sees it
  EXPECT_TRUE(model->state().autoStart);
  model->setAutoStart(false);
  EXPECT_EQ(runValue(u"Zembrik"), std::nullopt);
}

TEST_F(GeneralPage, AutoStartWithoutPathDoesNothing) {
  writeText(*fake.settings, u"ZembrikName", u"Zembrik");
  GeneralPageModel& page = open();
  EXPECT_FALSE(page.state().autoStartAvailable);
  page.setAutoStart(true);
  page.close();
  EXPECT_FALSE(fake.user->openSubkey(kRunKeyPath, kKeyRead));
}

TEST_F(GeneralPage, OptionsFontRestartsOnlyForAnotherFaceOrSize) {
  writeText(*fake.settings, u"OptionsFont", u"10,400,,:Arial");
  GeneralPageModel& page = open();
  EXPECT_EQ(page.optionsFontStart(), (FontChoice{10, 400, u"Arial"}));
  const FontInForce inForce{u"Arial", 10};
  EXPECT_EQ(page.chooseOptionsFont({10, 700, u"arial"}, inForce), OptionsFontOutcome::Unchanged);
  page.close();
  EXPECT_EQ(readText(*fake.settings, u"OptionsFont"), u"10,400,,:Arial");  // not even at close

  EXPECT_EQ(page.chooseOptionsFont({12, 700, u"Tahoma"}, inForce),
            OptionsFontOutcome::WrittenRestartNeeded);
  EXPECT_EQ(readText(*fake.settings, u"OptionsFont"), u"12,400,:Tahoma");
  EXPECT_EQ(optionsRestartCommandLine(u"C:\\Program Files\\Z\\ZembrikOptions.exe"),
            u"\"C:\\Program Files\\Z\\ZembrikOptions.exe\" ***");
}

TEST_F(GeneralPage, OptionsFontSizesStayUsableAndOnScreen) {
  // 7 is the smallest size the next start takes; the window scales with the font.
  EXPECT_EQ(optionsFontSizeLimits(10, 400, 300, 1280, 770).smallest, 7);
  EXPECT_EQ(optionsFontSizeLimits(10, 400, 300, 1280, 770).largest, 25);
  EXPECT_EQ(optionsFontSizeLimits(10, 400, 300, 300, 200).largest, 7);  // never below smallest
  EXPECT_EQ(optionsFontSizeLimits(10, 100, 100, 4000, 4000).largest, 72);
}

TEST_F(GeneralPage, CloseWritesItsListOnceAndReloadsEveryClock) {
  GeneralPageModel& page = open();
  page.close();
  EXPECT_EQ(valuesOf(*fake.settings), (Values{
                                          {"restart", "dword:1"},
                                          {"weekMo", "dword:1"},
                                          {"topCalendar", "dword:1"},
                                          {"transparentCalendar", "dword:0"},
                                          {"transparentTaskBar", "dword:0"},
                                          {"weekDaysCal", "sz:Su;Mo;Tu;We;Th;Fr;Sa"},
                                          {"CalendarTitle", "sz:MMMM - yyyy"},
                                          {"CalendarWeeks", "dword:5"},
                                      }));
  EXPECT_EQ(fake.reloads, std::vector{NotifyScope::EveryClock});
  const auto writes = fake.registry.valueWrites();
  page.close();
  EXPECT_EQ(fake.registry.valueWrites(), writes);  // unchanged values are not written again
}

TEST_F(GeneralPage, CloseWithoutSettingsKeyReportsAndWritesNothing) {
  GeneralPageModel& page = open();
  fake.settingsOpen = false;
  page.close();
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].text, u"Error can't open registry: Software\\OBR\\Zembrik");
  EXPECT_EQ(fake.messages[0].caption, u"Error");
  EXPECT_EQ(fake.registry.valueWrites(), 0u);
  EXPECT_TRUE(fake.reloads.empty());
}

}  // namespace
}  // namespace zembrik
