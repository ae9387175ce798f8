#pragma once
// The common ground of the hook library's tests: clean settings with a settings root, a helper to
// attach to a stand-in taskbar, and the clock's answers.
#include <gtest/gtest.h>

#include <optional>

#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "engine/taskbar/packed_size.h"
#include "hook/hook_exports.h"
#include "platform/win32/registry_win32.h"
#include "tests/hook/hook_test_driver.h"

namespace zembrik::testing {

inline std::optional<std::uint32_t> thisValue(const char16_t* name) {
  auto key = openCurrentUserRoot()->openSubkey(u"Software\\OBR\\Zembrik\\this", kKeyRead);
  if (!key)
    return std::nullopt;
  return readNumber(*key.key, name);
}

inline bool settingsKeyExists(const char16_t* path) {
  return openCurrentUserRoot()->openSubkey(path, kKeyRead).status == RegStatus::Ok;
}

inline bool thisKeyExists() {
  return settingsKeyExists(u"Software\\OBR\\Zembrik\\this");
}

inline PackedSize askSize(HWND clock) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(clock, MSG_GET_SIZE, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
  return static_cast<PackedSize>(answer);
}

class HookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clearSettings();
    // The host makes the settings root before it starts the hook; without it nothing loads.
    createSettingsRoot();
  }
  void TearDown() override {
    endHook();
    clearSettings();
  }

  // Starts the hook and waits until the shell side reported the main clock attached.
  static void attach(StandinTaskbar& bar, TestHostWindow& host) {
    ASSERT_TRUE(bar.running());
    ASSERT_TRUE(startHook(host.window()));
    ASSERT_TRUE(pumpUntil([&] { return host.count(MSG_CLOCK_ATTACHED) > 0; }, 5000))
        << "the shell side never reported the clock attached";
  }
};

}  // namespace zembrik::testing
