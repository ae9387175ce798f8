#include <gtest/gtest.h>

#include <cstring>

#include "engine/host_rules/settings_version.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "tests/support/registry_decorators.h"

namespace zembrik {
namespace {

constexpr std::u16string_view kRoot = u"Software\\OBR\\Zembrik";

class SettingsVersionTest : public ::testing::Test {
 protected:
  // A settings tree as a long-used installation has it: root values, clock sets, alarms.
  void storeSettings(std::optional<std::uint32_t> version) {
    auto root = user->createSubkey(kRoot, kKeyReadWrite, KeyLifetime::Persistent).key;
    if (version)
      writeNumber(*root, u"version", *version);
    writeText(*root, u"MouseButtonL", u"notepad.exe");
    writeNumber(*createKey(u"Software\\OBR\\Zembrik\\horizontal"), u"nRows", 2);
    writeText(*createKey(u"Software\\OBR\\Zembrik\\alarms"), u"name_1", u"Tea");
    writeText(*createKey(u"Software\\OBR\\Zembrik\\tzones\\deep\\er"), u"x", u"y");
    writeText(*createKey(u"Software\\OBR\\Other"), u"kept", u"yes");
  }
  std::unique_ptr<RegistryKey> createKey(std::u16string_view path) {
    return user->createSubkey(path, kKeyReadWrite, KeyLifetime::Persistent).key;
  }
  bool exists(std::u16string_view path) { return bool(user->openSubkey(path, kKeyRead)); }
  std::optional<std::uint32_t> storedVersion() {
    auto root = user->openSubkey(kRoot, kKeyRead);
    return root ? readNumber(*root.key, u"version") : std::nullopt;
  }

  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> user = registry.currentUser();
};

TEST_F(SettingsVersionTest, DecisionByStoredVersion) {
  const struct {
    std::optional<std::uint32_t> stored;
    VersionAction expected;
  } cases[] = {
      {std::nullopt, VersionAction::Wipe},  {0, VersionAction::Wipe},
      {0x01000AFF, VersionAction::Wipe},    {0x00FFFFFF, VersionAction::Wipe},
      {0x01000B00, VersionAction::Rewrite}, {0x01002CFF, VersionAction::Rewrite},
      {0x01002D00, VersionAction::Keep},    {0x01002D01, VersionAction::Rewrite},
      {0xFFFFFFFF, VersionAction::Rewrite},
  };
  for (const auto& c : cases) EXPECT_EQ(decideVersionAction(c.stored), c.expected);
}

TEST_F(SettingsVersionTest, OldOrMissingVersionDeletesTheWholeTree) {
  for (auto version : {std::optional<std::uint32_t>{}, std::optional<std::uint32_t>{0x01000AFF}}) {
    storeSettings(version);
    auto result = openCurrentSettings(*user);
    ASSERT_TRUE(result.key) << std::string(result.error.begin(), result.error.end());
    EXPECT_EQ(result.action, VersionAction::Wipe);
    EXPECT_EQ(storedVersion(), kCurrentSettingsVersion);
    EXPECT_FALSE(readText(*result.key, u"MouseButtonL"));
    EXPECT_FALSE(exists(u"Software\\OBR\\Zembrik\\horizontal"));
    EXPECT_FALSE(exists(u"Software\\OBR\\Zembrik\\alarms"));
    EXPECT_FALSE(exists(u"Software\\OBR\\Zembrik\\tzones"));
    EXPECT_TRUE(exists(u"Software\\OBR\\Other")) << "only our own key goes";
  }
}

TEST_F(SettingsVersionTest, VersionStoredWithTheWrongTypeCountsAsMissing) {
  storeSettings(std::nullopt);
  const std::uint8_t bytes[4] = {0x00, 0x2D, 0x00, 0x01};
  createKey(kRoot)->setValue(u"version", RegType::Binary, bytes);
  EXPECT_EQ(openCurrentSettings(*user).action, VersionAction::Wipe);
  EXPECT_FALSE(exists(u"Software\\OBR\\Zembrik\\alarms"));
}

TEST_F(SettingsVersionTest, KeptVersionsKeepEverythingAndOnlyRewriteTheVersion) {
  for (std::uint32_t version : {0x01000B00u, 0x01002C00u, 0x02000000u}) {
    storeSettings(version);
    auto result = openCurrentSettings(*user);
    ASSERT_TRUE(result.key);
    EXPECT_EQ(result.action, VersionAction::Rewrite);
    EXPECT_EQ(storedVersion(), kCurrentSettingsVersion);
    EXPECT_EQ(readText(*result.key, u"MouseButtonL"), u"notepad.exe");
    EXPECT_TRUE(exists(u"Software\\OBR\\Zembrik\\tzones\\deep\\er"));
  }
}

TEST_F(SettingsVersionTest, CurrentVersionWritesNothing) {
  storeSettings(kCurrentSettingsVersion);
  const auto writes = registry.valueWrites();
  auto result = openCurrentSettings(*user);
  ASSERT_TRUE(result.key);
  EXPECT_EQ(result.action, VersionAction::Keep);
  EXPECT_EQ(registry.valueWrites(), writes);
}

TEST_F(SettingsVersionTest, FirstStartCreatesTheKeyWithTheCurrentVersion) {
  auto result = openCurrentSettings(*user);
  ASSERT_TRUE(result.key);
  EXPECT_EQ(storedVersion(), kCurrentSettingsVersion);
}

TEST_F(SettingsVersionTest, AKeyThatCannotBeDeletedIsReported) {
  storeSettings(0x01000000);
  testing::RefusingDeleteKey refusing(registry.currentUser(), u"Zembrik");
  auto result = openCurrentSettings(refusing);
  EXPECT_FALSE(result.key);
  EXPECT_EQ(result.error, kErrorDeleteSettings);
  EXPECT_EQ(result.error, u"Can't delete registry: Software\\OBR\\Zembrik");
}

TEST_F(SettingsVersionTest, AnUndeletableSubkeyAlsoStopsTheWipe) {
  storeSettings(0x01000000);
  testing::RefusingDeleteKey refusing(registry.currentUser(), u"alarms");
  auto result = openCurrentSettings(refusing);
  EXPECT_EQ(result.error, kErrorDeleteSettings);
  EXPECT_TRUE(exists(u"Software\\OBR\\Zembrik\\alarms"));
}

}  // namespace
}  // namespace zembrik
