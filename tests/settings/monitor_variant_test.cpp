#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/registry/registry_access.h"
#include "engine/settings/taskbar_dpi.h"
#include "tests/settings/fake_monitor_source.h"
#include "tests/settings/settings_fixture.h"

namespace zembrik::testing {
namespace {

constexpr MonitorRect kFullHd{0, 0, 1920, 1080};

// Each key of a case holds a "separator" of its own number, so the loaded clock tells which key
// it read its set from (0: a key without one, the defaults).
class MonitorVariants : public SettingsFixture {
 protected:
  MonitorVariants() { monitors.placeOn(kFullHd); }

  void markKey(std::u16string_view path, std::uint32_t mark) {
    writeNumber(*settingsKey(path), u"separator", mark);
  }

  std::uint32_t loadedMark(int index = 0) {
    ClockConfig clock = clockAt(false, index);
    SettingsSources from = sources();
    from.monitors = &monitors;
    EXPECT_EQ(loadSettings(clock, from), LoadOutcome::Loaded);
    return clock.separator;
  }

  // Every key and value name below a key, depth first: what a load must leave alone.
  static void listTree(RegistryKey& key, const std::u16string& path, std::u16string& out) {
    RegEnumEntry entry;
    for (std::uint32_t i = 0; key.enumValue(i, 256, entry) == RegStatus::Ok; ++i)
      out += path + u"=" + entry.name + u"\n";
    for (std::uint32_t i = 0; key.enumSubkey(i, 256, entry) == RegStatus::Ok; ++i) {
      auto sub = key.openSubkey(entry.name, kKeyRead);
      out += path + u"\\" + entry.name + u"\n";
      if (sub)
        listTree(*sub.key, path + u"\\" + entry.name, out);
    }
  }
  std::u16string treeOfRoot() {
    std::u16string out;
    for (const char16_t* set : {u"horizontal", u"vertical"}) {
      if (auto key = root->openSubkey(set, kKeyRead))
        listTree(*key.key, set, out);
    }
    return out;
  }

  FakeMonitorSource monitors;
};

TEST_F(MonitorVariants, TheLookupUsesEachLevelOnlyWhereItExists) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::u16string, std::uint32_t>> keys;
    std::optional<unsigned> dpi;
    std::optional<std::u16string> deviceId;  // none: the device cannot be read
    std::uint32_t expected;
  };
  const std::u16string abc = u"MONITOR\\ABC1234\\{4d36e96e-e325-11ce-bfc1-08002be10318}\\0001";
  const Case cases[] = {
      {"no variants: the orientation set", {{u"horizontal", 1}}, 144, abc, 1},
      {"the name variant", {{u"horizontal", 1}, {u"horizontal\\name_ABC1234", 2}}, 144, abc, 2},
      {"a name variant holding a size variant is followed to the end",
       {{u"horizontal", 1},
        {u"horizontal\\name_ABC1234", 2},
        {u"horizontal\\name_ABC1234\\size_1920x1080_144", 3},
        {u"horizontal\\size_1920x1080_144", 4}},
       144,
       abc,
       3},
      {"below a name variant the size key is looked for there only",
       {{u"horizontal", 1},
        {u"horizontal\\name_ABC1234", 2},
        {u"horizontal\\size_1920x1080_144", 4}},
       144,
       abc,
       2},
      {"a known dpi never consults the key without one",
       {{u"horizontal", 1}, {u"horizontal\\size_1920x1080", 5}},
       144,
       abc,
       1},
      {"a known dpi",
       {{u"horizontal", 1},
        {u"horizontal\\size_1920x1080", 5},
        {u"horizontal\\size_1920x1080_144", 6}},
       144,
       abc,
       6},
      {"no dpi: the key without one",
       {{u"horizontal", 1},
        {u"horizontal\\size_1920x1080", 5},
        {u"horizontal\\size_1920x1080_144", 6}},
       std::nullopt,
       abc,
       5},
      {"an empty id: no name lookup, the size key still",
       {{u"horizontal", 1}, {u"horizontal\\name_", 2}, {u"horizontal\\size_1920x1080_96", 7}},
       96,
       u"MONITOR\\{guid}\\0001",
       7},
      {"an unreadable device: as an empty id",
       {{u"horizontal", 1}, {u"horizontal\\size_1920x1080_96", 7}},
       96,
       std::nullopt,
       7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    deleteKeyTree(*root, u"horizontal");
    for (const auto& [path, mark] : c.keys) markKey(path, mark);
    monitors.dpi = c.dpi;
    monitors.deviceId = c.deviceId;
    EXPECT_EQ(loadedMark(), c.expected);
  }
}

TEST_F(MonitorVariants, TheFullLengthDeviceIdGivesAKeyNameTheRegistryTakes) {
  const std::u16string id(120, u'Q');
  monitors.placeOn(kFullHd, u"MONITOR\\" + id);  // 128 characters, no brace
  markKey(u"horizontal", 1);
  markKey(u"horizontal\\name_" + id, 2);
  EXPECT_EQ(loadedMark(), 2u);
}

TEST_F(MonitorVariants, TheSizeIsThatOfTheWholeMonitorWhereverItStands) {
  markKey(u"horizontal", 1);
  markKey(u"horizontal\\size_1024x768", 2);
  markKey(u"horizontal\\size_1280x800", 3);
  monitors.placeOn({-1024, 16, 0, 784});  // left of and below the primary's top
  EXPECT_EQ(loadedMark(), 2u);
  monitors.placeOn({1280, 0, 2304, 768});
  EXPECT_EQ(loadedMark(), 2u) << "the same size on another monitor";
  monitors.placeOn({0, 0, 1280, 800});
  EXPECT_EQ(loadedMark(), 3u) << "moved to another monitor: its variant at the next load";
  monitors.placeOn({0, 0, 0, 800});
  EXPECT_EQ(loadedMark(), 1u) << "an empty monitor rectangle";
}

TEST_F(MonitorVariants, BadInputsFallBackToTheOrientationSet) {
  markKey(u"horizontal", 1);
  markKey(u"horizontal\\name_ABC1234", 2);
  markKey(u"horizontal\\size_1920x1080", 3);
  monitors.monitor.reset();
  EXPECT_EQ(loadedMark(), 1u) << "a clock on no monitor";
  EXPECT_TRUE(monitors.askedDeviceNames.empty());

  ASSERT_EQ(deleteKeyTree(*root, u"horizontal"), RegStatus::Ok);
  markKey(u"horizontal", 1);
  writeNumber(*settingsKey(u"horizontal"), u"name_ABC1234", 2);
  writeNumber(*settingsKey(u"horizontal"), u"size_1920x1080", 3);
  monitors.placeOn(kFullHd);
  EXPECT_EQ(loadedMark(), 1u) << "variant names stored as values are no keys";

  settingsKey(u"horizontal\\size_1920x1080");
  EXPECT_EQ(loadedMark(), 0u) << "an empty variant: the defaults of any set";
}

TEST_F(MonitorVariants, ASecondaryClockWithoutItsOwnSetUsesTheMainOneCreatedWhenMissing) {
  monitors.placeOn({1280, 0, 2304, 768});
  EXPECT_EQ(loadedMark(1), 0u);
  EXPECT_TRUE(root->openSubkey(u"horizontal", kKeyRead));
  EXPECT_FALSE(root->openSubkey(u"horizontal_1", kKeyRead));

  markKey(u"horizontal\\size_1024x768", 4);
  EXPECT_EQ(loadedMark(1), 4u) << "the main set's variants serve the secondary clock too";
}

TEST_F(MonitorVariants, LoadsCreateNothingBelowTheOrientationKeys) {
  markKey(u"horizontal", 1);
  markKey(u"horizontal\\name_ABC1234\\size_1280x800", 2);
  markKey(u"vertical\\size_1920x1080_144", 3);
  monitors.dpi = 144;
  const std::u16string before = treeOfRoot();
  for (int index : {0, 1, 2}) loadedMark(index);
  monitors.placeOn({0, 0, 1280, 800});
  loadedMark();
  EXPECT_EQ(treeOfRoot(), before);
}

TEST_F(MonitorVariants, ADpiChangeReloadsWithFontsAtTheNewScale) {
  ClockConfig clock = clockAt(false);
  SettingsSources from = sources();
  from.monitors = &monitors;
  ASSERT_EQ(loadSettings(clock, from), LoadOutcome::Loaded);
  ASSERT_FALSE(factory.created.empty());
  EXPECT_EQ(factory.created.back().dpi, 96);

  const WindowId taskbar{0x20040, 64};
  EXPECT_FALSE(taskbarDpiChanged(clock.placement.dpi, monitors, taskbar));
  monitors.taskbarDpi = 144;
  ASSERT_TRUE(taskbarDpiChanged(clock.placement.dpi, monitors, taskbar));
  EXPECT_EQ(clock.placement.dpi, 144);
  factory.created.clear();
  ASSERT_EQ(loadSettings(clock, from), LoadOutcome::Loaded);
  ASSERT_FALSE(factory.created.empty());
  for (const FontRequest& request : factory.created) EXPECT_EQ(request.dpi, 144);
  EXPECT_FALSE(taskbarDpiChanged(clock.placement.dpi, monitors, taskbar)) << "read again: same";
}

}  // namespace
}  // namespace zembrik::testing
