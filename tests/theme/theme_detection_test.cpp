#include "engine/theme/theme_detection.h"

#include <gtest/gtest.h>

#include <optional>

#include "engine/paint/face_colours.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/theme/theme_binding.h"

namespace zembrik {
namespace {

struct DetectionCase {
  const char* name;
  std::optional<std::u16string> manager;  // "ThemeActive" of ThemeManager; nullopt: absent
  std::optional<std::u16string> remote;   // of the first subkey of "Remote"; nullopt: absent
  bool remoteKey;                         // whether "Remote" has a subkey at all
  bool expected;
};

std::string caseName(const ::testing::TestParamInfo<DetectionCase>& detection) {
  return detection.param.name;
}

class ThemeDetection : public ::testing::TestWithParam<DetectionCase> {};

TEST_P(ThemeDetection, ReadsTheManagerAndTheFirstRemoteSession) {
  const DetectionCase& c = GetParam();
  MemoryRegistry registry;
  auto user = registry.currentUser();
  OpenedKey manager = user->createSubkey(kThemeManagerPath, kKeyReadWrite, KeyLifetime::Persistent);
  ASSERT_TRUE(manager);
  if (c.manager)
    writeText(*manager.key, u"ThemeActive", *c.manager);
  if (c.remoteKey) {
    // Only the first subkey counts; a later one says the opposite.
    OpenedKey first =
        manager.key->createSubkey(u"Remote\\A-session", kKeyReadWrite, KeyLifetime::Persistent);
    OpenedKey second =
        manager.key->createSubkey(u"Remote\\B-session", kKeyReadWrite, KeyLifetime::Persistent);
    if (c.remote)
      writeText(*first.key, u"ThemeActive", *c.remote);
    writeText(*second.key, u"ThemeActive", c.expected ? u"0" : u"1");
  }
  EXPECT_EQ(detectThemeActive(*user), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ThemeDetection,
    ::testing::Values(DetectionCase{"absent", std::nullopt, std::nullopt, false, false},
                      DetectionCase{"one", u"1", std::nullopt, false, true},
                      DetectionCase{"zero", u"0", std::nullopt, false, false},
                      DetectionCase{"empty", u"", std::nullopt, false, false},
                      DetectionCase{"other_text", u"00", std::nullopt, false, true},
                      DetectionCase{"remote_turns_on", u"0", u"1", true, true},
                      DetectionCase{"remote_turns_off", u"1", u"0", true, false},
                      DetectionCase{"remote_without_value", u"1", std::nullopt, true, true},
                      DetectionCase{"remote_only", std::nullopt, u"1", true, true}),
    caseName);

TEST(ThemeDetection, NoThemeManagerKeyMeansNoTheme) {
  MemoryRegistry registry;
  EXPECT_FALSE(detectThemeActive(*registry.currentUser()));
}

}  // namespace
}  // namespace zembrik
