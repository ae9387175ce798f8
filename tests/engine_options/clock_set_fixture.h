#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/options/clock_set_model.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "tests/engine_options/fake_clock_set_windows.h"
#include "tests/support/registry_decorators.h"

namespace zembrik::testing {

class ClockSetFixture : public ::testing::Test {
 protected:
  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> user = registry.currentUser();
  FakeClockSetWindows windows;
  std::vector<std::u16string> errors;
  ClockSetModel model{*user, windows,
                      [this](const std::u16string& text) { errors.push_back(text); }};
  PageCombos page;

  void SetUp() override { ASSERT_TRUE(model.openSettingsKey()); }

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
  std::optional<std::uint32_t> number(std::u16string_view path, std::u16string_view name) {
    OpenedKey opened = user->openSubkey(
        std::u16string(kSettingsRootPath) + u"\\" + std::u16string(path), kKeyRead);
    return opened ? readNumber(*opened.key, name) : std::nullopt;
  }
  // A running secondary clock as the hook library records it in `this`.
  void running(int clock, WindowRef window) {
    auto self =
        createKeyWithPersistentParents(*user, kThisKeyPath, kKeyReadWrite, KeyLifetime::Volatile);
    std::string n = std::to_string(clock);
    std::u16string suffix = u"_" + std::u16string(n.begin(), n.end());
    writeNumber(*self.key, u"hwndLo" + suffix, window);
    writeNumber(*self.key, u"hwndHi" + suffix, 0);
  }
  std::vector<std::u16string> texts(const std::vector<ComboItem>& items) {
    std::vector<std::u16string> out;
    for (const ComboItem& item : items) out.push_back(item.text);
    return out;
  }
  std::int32_t selectedMonitorData() {
    return page.monitor.items.at(static_cast<size_t>(page.monitor.selection)).data;
  }
};

}  // namespace zembrik::testing
