// The options program's start-up decisions, natively.
#include <gtest/gtest.h>

#include "engine/options/options_settings_version.h"
#include "engine/options/options_startup.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "tests/support/registry_decorators.h"

namespace zembrik {
namespace {

TEST(OptionsStartupTest, CommandLineChoosesThePageByItsHeaderText) {
  const struct {
    std::u16string_view commandLine;
    std::optional<std::size_t> page;
  } cases[] = {
      {u" clock", 2},         {u"\t\r\n CLOCK", 2},      {u"time zones", 4},
      {u"PerfMeter", 5},      {u"general", 0},           {u"nonsense", std::nullopt},
      {u"", std::nullopt},    {u"clock ", std::nullopt},  // the whole rest is the word
      {u"***", std::nullopt},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(std::string(each.commandLine.begin(), each.commandLine.end()));
    EXPECT_EQ(initialPageIndex(each.commandLine), each.page);
  }
}

TEST(OptionsStartupTest, OnlyThreeStarsLetASecondInstanceStart) {
  EXPECT_TRUE(allowsSecondInstance(u"***"));
  EXPECT_TRUE(allowsSecondInstance(u"  ***"));
  EXPECT_FALSE(allowsSecondInstance(u""));
  EXPECT_FALSE(allowsSecondInstance(u"**"));
  EXPECT_FALSE(allowsSecondInstance(u"*** "));
  EXPECT_FALSE(allowsSecondInstance(u"clock"));
}

TEST(OptionsStartupTest, TitleNamesTheStoredVersionAndThisEditorsWhenTheyDiffer) {
  const struct {
    std::optional<std::uint32_t> version;
    std::u16string_view title;
  } cases[] = {
      {0x01002D00, u"Zembrik 1.45"},
      {0x01003201, u"Zembrik 1.50.1; Quarrow  1.45"},
      {0x01000B00, u"Zembrik 1.11; Quarrow  1.45"},
      {0x0200FFFF, u"Zembrik 2.255.255; Quarrow  1.45"},
      {std::nullopt, u"Quarrow  1.45"},
      {0, u"Zembrik 0.0; Quarrow  1.45"},
  };
  for (const auto& each : cases) EXPECT_EQ(optionsWindowTitle(each.version), each.title);
}

TEST(OptionsStartupTest, ProgramDirectoryIsCutAfterTheLaterSeparator) {
  const struct {
    std::u16string_view path;
    std::u16string_view directory;
  } cases[] = {
      {u"C:\\Program Files\\Zembrik\\ZembrikOptions.exe", u"C:\\Program Files\\Zembrik\\"},
      {u"C:\\a/b\\c/ZembrikOptions.exe", u"C:\\a/b\\c/"},
      {u"C:/a\\b/ZembrikOptions.exe", u"C:/a\\b/"},
      {u"C:ZembrikOptions.exe", u"C:"},
      {u"ZembrikOptions.exe", u""},
      {u"", u""},
  };
  for (const auto& each : cases) EXPECT_EQ(optionsProgramDirectory(each.path), each.directory);
}

TEST(OptionsStartupTest, OptionsFontIsInForceFromSevenPointsWithAFace) {
  const struct {
    std::optional<std::u16string_view> stored;
    std::u16string_view face;
    int points;
  } cases[] = {
      {u"7,400,0,0:Tahoma", u"Tahoma", 7},
      {u"12,700,,:Segoe UI", u"Segoe UI", 12},
      {u"6,400,0,0:Tahoma", u"", 0},
      {u"7,400,0,0:", u"", 0},
      {u"", u"", 0},
      {std::nullopt, u"", 0},
  };
  for (const auto& each : cases) {
    const auto font = decideOptionsFont(each.stored);
    EXPECT_EQ(font.face, each.face);
    EXPECT_EQ(font.points, each.points);
    EXPECT_EQ(font.inForce(), each.points != 0);
  }
}

class OptionsSettingsCheckTest : public ::testing::Test {
 protected:
  void store(std::optional<std::uint32_t> version) {
    auto root = createKey(u"Software\\OBR\\Zembrik");
    if (version)
      writeNumber(*root, u"version", *version);
    writeText(*root, u"OptionsFont", u"8,400,0,0:Tahoma");
    writeNumber(*createKey(u"Software\\OBR\\Zembrik\\horizontal"), u"nRows", 2);
    writeText(*createKey(u"Software\\OBR\\Zembrik\\alarms\\deep"), u"name_1", u"Tea");
  }
  std::unique_ptr<RegistryKey> createKey(std::u16string_view path) {
    return user->createSubkey(path, kKeyReadWrite, KeyLifetime::Persistent).key;
  }
  bool exists(std::u16string_view path) { return bool(user->openSubkey(path, kKeyRead)); }
  std::optional<std::uint32_t> storedVersion() {
    auto root = user->openSubkey(u"Software\\OBR\\Zembrik", kKeyRead);
    return root ? readNumber(*root.key, u"version") : std::nullopt;
  }

  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> user = registry.currentUser();
};

TEST_F(OptionsSettingsCheckTest, MissingOrTooOldWipesAndWritesTheCurrentVersion) {
  for (const auto version :
       {std::optional<std::uint32_t>{}, std::optional<std::uint32_t>{0x01000AFF}}) {
    store(version);
    const auto check = checkOptionsSettings(*user);
    EXPECT_TRUE(check.error.empty());
    EXPECT_EQ(check.action, OptionsVersionAction::Wipe);
    EXPECT_FALSE(exists(u"Software\\OBR\\Zembrik\\horizontal"));
    EXPECT_FALSE(exists(u"Software\\OBR\\Zembrik\\alarms"));
    EXPECT_EQ(storedVersion(), 0x01002D00u);
  }
}

TEST_F(OptionsSettingsCheckTest, AVersionStoredAsTextCountsAsMissing) {
  store(std::nullopt);
  writeText(*createKey(u"Software\\OBR\\Zembrik"), u"version", u"16788736");
  EXPECT_EQ(checkOptionsSettings(*user).action, OptionsVersionAction::Wipe);
  EXPECT_EQ(storedVersion(), 0x01002D00u);
}

TEST_F(OptionsSettingsCheckTest, AReadableVersionKeepsEveryValueAndIsNotRewritten) {
  for (const std::uint32_t version : {0x01000B00u, 0x01002D00u, 0x01003201u}) {
    store(version);
    const auto writesBefore = registry.valueWrites();
    const auto check = checkOptionsSettings(*user);
    EXPECT_EQ(check.action, OptionsVersionAction::Keep);
    EXPECT_EQ(registry.valueWrites(), writesBefore);
    EXPECT_EQ(storedVersion(), version);
    EXPECT_TRUE(exists(u"Software\\OBR\\Zembrik\\alarms\\deep"));
  }
}

TEST_F(OptionsSettingsCheckTest, AKeyThatCannotBeDeletedEndsWithTheMessageAndStays) {
  store(0x01000000);
  testing::RefusingDeleteKey refusing(registry.currentUser(), u"deep");
  const auto check = checkOptionsSettings(refusing);
  EXPECT_EQ(check.error, u"Can't delete registry: Software\\OBR\\Zembrik");
  EXPECT_TRUE(exists(u"Software\\OBR\\Zembrik\\alarms\\deep"));
}

}  // namespace
}  // namespace zembrik
