#pragma once
// A memory registry with the settings root, a counting font factory and the shared tables:
// everything loadSettings reads from, ready for one or more clocks.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/format/zone_table.h"
#include "engine/names/name_tables.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/load_settings.h"
#include "engine/settings/settings_paths.h"
#include "tests/settings/fake_font_factory.h"

namespace zembrik::testing {

class SettingsFixture : public ::testing::Test {
 protected:
  SettingsFixture() {
    root = user->createSubkey(kSettingsRootPath, kKeyReadWrite, KeyLifetime::Persistent).key;
  }

  SettingsSources sources() { return {*user, fonts, names, zones}; }

  // A key below the settings root, created when missing.
  std::unique_ptr<RegistryKey> settingsKey(std::u16string_view path) {
    return root->createSubkey(path, kKeyReadWrite, KeyLifetime::Persistent).key;
  }

  static ClockPlacement placement(bool vertical, int index = 0, int windowHeight = 40) {
    ClockPlacement p;
    p.vertical = vertical;
    p.index = index;
    p.window = WindowId{0x0000000100020030ull + static_cast<unsigned>(index), 64};
    p.dpi = 96;
    p.windowHeight = windowHeight;
    return p;
  }

  static ClockConfig clockAt(bool vertical, int index = 0, int windowHeight = 40) {
    ClockConfig clock;
    clock.placement = placement(vertical, index, windowHeight);
    return clock;
  }

  LoadOutcome load(ClockConfig& clock) { return loadSettings(clock, sources()); }

  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> user = registry.currentUser();
  std::unique_ptr<RegistryKey> root;
  FakeFontFactory factory;
  FontCache fonts{factory};
  NameTables names;
  EmptyZoneTable zones;
};

}  // namespace zembrik::testing
