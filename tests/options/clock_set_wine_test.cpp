// The clock-set model over the real registry and windows under Wine: the stand-in taskbar with
// two secondary taskbars, a recording host window, Wine's one monitor.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/options/clock_set_model.h"
#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "options/clock_set_windows_win32.h"
#include "platform/win32/registry_win32.h"
#include "tests/hook/hook_test_driver.h"

namespace zembrik::testing {
namespace {

using Listing = std::map<std::u16string, std::vector<std::uint8_t>>;

std::u16string decimal(int value) {
  std::string narrow = std::to_string(value);
  return std::u16string(narrow.begin(), narrow.end());
}

class ClockSetUnderWine : public ::testing::Test {
 protected:
  StandinTaskbar bar{L"--secondary=0,0,600,30 --secondary=600,0,1200,30"};
  std::unique_ptr<RegistryKey> user = openCurrentUserRoot();
  Win32ClockSetWindows windows;
  std::vector<std::u16string> errors;
  std::unique_ptr<ClockSetModel> model;
  PageCombos page;

  void SetUp() override {
    ASSERT_TRUE(bar.running());
    clearSettings();
    createSettingsRoot();
    model = std::make_unique<ClockSetModel>(
        *user, windows, [this](const std::u16string& text) { errors.push_back(text); });
    ASSERT_TRUE(model->openSettingsKey());
  }
  void TearDown() override {
    model.reset();
    clearSettings();
  }

  // What the hook library writes for a running secondary clock.
  void running(int clock) {
    auto self =
        createKeyWithPersistentParents(*user, kThisKeyPath, kKeyReadWrite, KeyLifetime::Volatile);
    ASSERT_TRUE(self);
    writeNumber(*self.key, u"hwndLo_" + decimal(clock), HandleToULong(bar.clock(clock)));
    writeNumber(*self.key, u"hwndHi_" + decimal(clock), 0);
  }
  std::unique_ptr<RegistryKey> key(std::u16string_view path) {
    return user
        ->createSubkey(std::u16string(kSettingsRootPath) + u"\\" + std::u16string(path),
                       kKeyReadWrite, KeyLifetime::Persistent)
        .key;
  }
  bool exists(std::u16string_view path) {
    return static_cast<bool>(user->openSubkey(
        std::u16string(kSettingsRootPath) + u"\\" + std::u16string(path), kKeyRead));
  }
  Listing values(std::u16string_view path) {
    Listing listing;
    OpenedKey opened = user->openSubkey(
        std::u16string(kSettingsRootPath) + u"\\" + std::u16string(path), kKeyRead);
    if (!opened)
      return listing;
    RegEnumEntry entry;
    for (std::uint32_t i = 0; opened.key->enumValue(i, 16384, entry) == RegStatus::Ok; ++i) {
      RegValue value;
      opened.key->queryValue(entry.name, 1 << 16, value);
      listing[entry.name] = value.data;
    }
    return listing;
  }
  std::optional<std::uint32_t> rowsInUse() { return readNumber(*model->setKey(), u"nRows"); }
  void choose(MonitorItem item) {
    int index = lastIndexOfData(page.monitor.items, item);
    ASSERT_GE(index, 0) << "item " << item << " not offered";
    model->chooseMonitorItem(index, page, [] {});
  }
};

TEST_F(ClockSetUnderWine, ReloadReachesTheHostAndTheClocksOfTheScope) {
  TestHostWindow host;
  running(1);
  running(2);
  model->chooseClockSet(1, &page);
  ASSERT_EQ(model->selectedClock(), HandleToULong(bar.clock(1)));

  struct Case {
    NotifyScope scope;
    int host, main, first, second;
  };
  for (const Case& c :
       {Case{NotifyScope::SelectedClock, 1, 0, 1, 0}, Case{NotifyScope::EveryClock, 1, 1, 1, 1},
        Case{NotifyScope::HostOnly, 1, 0, 0, 0}}) {
    ASSERT_TRUE(bar.resetClockMessageCounts());
    host.clear();
    model->notifyClock(c.scope);
    pumpFor(200);
    SCOPED_TRACE(static_cast<int>(c.scope));
    EXPECT_EQ(host.count(MSG_RELOAD), c.host);
    EXPECT_EQ(bar.clockMessageCount(0, MSG_RELOAD), c.main);
    EXPECT_EQ(bar.clockMessageCount(1, MSG_RELOAD), c.first);
    EXPECT_EQ(bar.clockMessageCount(2, MSG_RELOAD), c.second);
  }
}

TEST_F(ClockSetUnderWine, AVariantDisabledAndEnabledAgainHasItsValuesBack) {
  writeNumber(*key(u"horizontal"), u"nRows", 1);
  model->selectClockSet(kUndeterminedSet, &page);
  EXPECT_EQ(model->monitorName(), u"Default_Monitor");
  ASSERT_EQ(model->monitorSizeText(), u"1280x800_96");
  EXPECT_EQ(page.monitor.items.at(2).text, u"Use special settings for 1280x800_96");

  choose(kEnableSizeVariant);
  EXPECT_EQ(model->variantMode(), kSizeVariant);
  EXPECT_EQ(values(u"horizontal\\size_1280x800_96"), values(u"horizontal"));
  ASSERT_TRUE(model->writeSetNumber(u"nRows", 4));

  choose(kDisableSizeVariant);  // through NtRenameKey
  EXPECT_FALSE(exists(u"horizontal\\size_1280x800_96"));
  EXPECT_TRUE(exists(u"horizontal\\1280x800_96"));
  EXPECT_EQ(model->variantMode(), kAnyMonitor);
  EXPECT_EQ(rowsInUse(), 1u);

  choose(kEnableSizeVariant);
  EXPECT_FALSE(exists(u"horizontal\\1280x800_96"));
  EXPECT_EQ(model->variantMode(), kSizeVariant);
  EXPECT_EQ(rowsInUse(), 4u);

  choose(kEnableNameVariant);
  EXPECT_TRUE(exists(u"horizontal\\name_Default_Monitor\\size_1280x800_96"));
  EXPECT_EQ(model->variantMode(), kNameAndSizeVariant);
  EXPECT_EQ(rowsInUse(), 4u);
  EXPECT_TRUE(errors.empty());
}

TEST_F(ClockSetUnderWine, TheOwnKeyOfAStandInSetStartsAsACopyAndLeavesThePrimarySetAlone) {
  auto primary = key(u"horizontal");
  writeNumber(*primary, u"nRows", 2);
  writeText(*primary, u"cell_0_0", u"%H:%M");
  writeText(*primary, u"font_0_0", u"9,700,,:Tahoma");
  key(u"horizontal\\name_Other");
  running(1);
  model->chooseClockSet(1, &page);
  ASSERT_TRUE(model->usesStandInKey());
  const Listing before = values(u"horizontal");

  ASSERT_TRUE(model->writeSetText(u"cell_0_0", u"%H:%M:%S"));
  EXPECT_EQ(values(u"horizontal"), before);
  Listing expected = before;
  const std::u16string seconds = u"%H:%M:%S";
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(seconds.c_str());
  expected[u"cell_0_0"].assign(bytes, bytes + (seconds.size() + 1) * 2);
  EXPECT_EQ(values(u"horizontal_1"), expected);
  EXPECT_FALSE(exists(u"horizontal_1\\name_Other"));
  EXPECT_FALSE(model->usesStandInKey());
}

}  // namespace
}  // namespace zembrik::testing
