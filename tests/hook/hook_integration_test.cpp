// The hook library against the stand-in taskbar, for real: the library loads into the stand-in's
// process through the hook, subclasses its clock and answers its size queries.
#include <gtest/gtest.h>

#include "hook_exports.h"
#include "hook_test_driver.h"
#include "protocol/window_messages.h"
#include "registry/registry_access.h"
#include "taskbar/packed_size.h"
#include "win32/registry_win32.h"

namespace zembrik::testing {
namespace {

std::optional<std::uint32_t> thisValue(const char16_t* name) {
  auto user = openCurrentUserRoot();
  auto key = user->openSubkey(u"Software\\OBR\\Zembrik\\this", kKeyRead);
  if (!key) return std::nullopt;
  return readNumber(*key.key, name);
}

bool thisKeyExists() {
  return openCurrentUserRoot()->openSubkey(u"Software\\OBR\\Zembrik\\this", kKeyRead).status ==
         RegStatus::Ok;
}

class HookIntegration : public ::testing::Test {
 protected:
  void SetUp() override {
    clearSettings();
    // The host makes the settings root before it starts the hook; without it nothing loads.
    auto root = openCurrentUserRoot()->createSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite,
                                                    KeyLifetime::Persistent);
    ASSERT_TRUE(root);
    writeNumber(*root.key, u"version", 0x01002D00);
  }
  void TearDown() override {
    endHook();
    clearSettings();
  }

  // Starts the hook and waits until the shell side reported the main clock attached.
  void attach(StandinTaskbar& bar, TestHostWindow& host) {
    ASSERT_TRUE(bar.running());
    ASSERT_TRUE(startHook(host.window()));
    ASSERT_TRUE(pumpUntil([&] { return host.count(MSG_CLOCK_ATTACHED) > 0; }, 5000))
        << "the shell side never reported the clock attached";
  }

  PackedSize askSize(HWND clock) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(clock, MSG_GET_SIZE, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
    return static_cast<PackedSize>(answer);
  }
};

TEST_F(HookIntegration, AttachWritesThisKeyAndTellsTheHost) {
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  const HWND clock = bar.clock();
  const auto id = reinterpret_cast<std::uintptr_t>(clock);

  EXPECT_EQ(host.received().front().message, MSG_CLOCK_ATTACHED);
  EXPECT_EQ(host.received().front().wParam, reinterpret_cast<WPARAM>(clock));
  EXPECT_EQ(thisValue(u"isVertical"), 0u);
  EXPECT_EQ(thisValue(u"hwndLo"), static_cast<std::uint32_t>(id));
  EXPECT_EQ(thisValue(u"hwndHi"), static_cast<std::uint32_t>(static_cast<std::uint64_t>(id) >> 32));
  EXPECT_EQ(thisValue(u"isXPtheme"), 0u);
  EXPECT_EQ(host.count(MSG_START_FAILED), 0);
}

TEST_F(HookIntegration, TheTaskbarGivesTheClockTheRoomItAnswers) {
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  const PackedSize answer = askSize(bar.clock());
  ASSERT_NE(answer, 0u);
  bar.relayout();
  // Along a horizontal taskbar the clock gets the width it asked for; across it, the bar's height.
  const RECT rect = bar.clockRect();
  EXPECT_EQ(rect.right - rect.left, packedWidth(answer));
}

TEST_F(HookIntegration, EndHookGivesTheClockBackAndIsHarmlessRepeated) {
  StandinTaskbar bar;
  TestHostWindow host;
  const PackedSize nativeAnswer = askSize(bar.clock());
  attach(bar, host);
  ASSERT_TRUE(thisKeyExists());

  endHook();
  EXPECT_FALSE(thisKeyExists());
  EXPECT_EQ(askSize(bar.clock()), nativeAnswer) << "the native procedure answers again";
  endHook();
  endHook();
  EXPECT_TRUE(IsWindow(bar.taskbar()));
  EXPECT_EQ(bar.exitCode(), static_cast<DWORD>(STILL_ACTIVE));
}

TEST_F(HookIntegration, AttachesAgainAfterAShellRestart) {
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  const HWND firstClock = bar.clock();

  // The shell re-creates its windows; the library stays loaded in it (Wine never unloads a hook
  // library, and Windows keeps it while it is pinned), so its state must allow a new attach.
  ASSERT_TRUE(bar.restartWindows());
  ASSERT_NE(bar.clock(), firstClock);
  endHook();
  host.clear();
  attach(bar, host);
  EXPECT_EQ(host.received().front().wParam, reinterpret_cast<WPARAM>(bar.clock()));
  EXPECT_EQ(thisValue(u"hwndLo"),
            static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(bar.clock())));

  endHook();
  host.clear();
  attach(bar, host);  // and again after a plain endHook
}

TEST_F(HookIntegration, AVerticalTaskbarUsesTheVerticalSet) {
  StandinTaskbar bar(L"--edge=left");
  TestHostWindow host;
  attach(bar, host);
  EXPECT_EQ(thisValue(u"isVertical"), 1u);
  EXPECT_TRUE(openCurrentUserRoot()->openSubkey(u"Software\\OBR\\Zembrik\\vertical", kKeyRead));
}

}  // namespace
}  // namespace zembrik::testing
