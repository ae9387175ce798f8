// The shell never pays for a fault of the library: what it leaves in the registry, how it
// follows clocks it is not currently laying out, and what happens when the shell or another
// program does something unexpected to it.
#include "engine/settings/settings_paths.h"
#include "tests/hook/hook_fixture.h"

namespace zembrik::testing {
namespace {

using HookFaults = HookTest;

constexpr char16_t kAddonKey[] = u"Software\\OBR\\Zembrik\\reg";

// Windows refuses a persistent child under a volatile key: the one way to tell from outside.
bool refusesPersistentChild(const char16_t* path) {
  auto key = openCurrentUserRoot()->openSubkey(path, kKeyReadWrite);
  if (!key)
    return false;
  auto child = key.key->createSubkey(u"probe", kKeyReadWrite, KeyLifetime::Persistent);
  if (child) {
    child.key.reset();
    key.key->deleteSubkey(u"probe");
  }
  return child.status == RegStatus::ChildMustBeVolatile;
}

// Add-on windows recorded under `reg` are asked to register again at attach, and the key is
// volatile afterwards whether it was missing or left persistent by an earlier build.
TEST_F(HookFaults, TheAddonKeyIsVolatileAfterAttach) {
  for (bool leftPersistent : {false, true}) {
    SCOPED_TRACE(leftPersistent ? "left persistent" : "missing");
    clearSettings();
    createSettingsRoot();
    TestHostWindow addon;  // any window records the announcement
    if (leftPersistent) {
      auto reg =
          openCurrentUserRoot()->createSubkey(kAddonKey, kKeyReadWrite, KeyLifetime::Persistent);
      ASSERT_TRUE(reg);
      writeNumber(*reg.key, u"addon_5_hndl",
                  static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(addon.window())));
    }
    StandinTaskbar bar;
    TestHostWindow host;
    attach(bar, host);
    EXPECT_TRUE(settingsKeyExists(kAddonKey));
    EXPECT_TRUE(refusesPersistentChild(kAddonKey)) << "`reg` must vanish at logoff";
    if (leftPersistent) {
      EXPECT_TRUE(pumpUntil([&] { return addon.count(MSG_ADDON_REGISTER) == 1; }, 2000));
      auto reg = openCurrentUserRoot()->openSubkey(kAddonKey, kKeyRead);
      ASSERT_TRUE(reg);
      EXPECT_FALSE(readNumber(*reg.key, u"addon_5_hndl")) << "the key is emptied";
    }
    endHook();
  }
}

// Only the main clock shows a lock-key state; the secondary clock's paints must not switch the
// main clock's per-second repaint or its keyboard nudge off.
TEST_F(HookFaults, ACapsLockPressRepaintsTheClockThatShowsIt) {
  writeFace(u"horizontal", {u",,,,,,:A HH:mm"});
  writeFace(u"horizontal_1", {u",,,,,,:HH:mm"});
  StandinTaskbar bar(L"--secondary=0,0,600,30");
  TestHostWindow host;
  ASSERT_TRUE(bar.clock(1));
  attach(bar, host);
  ASSERT_TRUE(pumpUntil([&] { return host.count(MSG_CLOCK_ATTACHED) == 2; }, 5000));
  PaintCounter counter(bar);  // counts the main clock ("TrayClockWClass") only
  ASSERT_TRUE(counter.installed());
  pumpFor(1500);

  SendMessageW(bar.clock(1), MSG_REPAINT, 0, 0);
  UpdateWindow(bar.clock(1));
  pumpFor(200);

  // The main clock's face repaints when it changes, not every second: a quick paint after the
  // press is the nudge's, which the secondary clock's paint must not have switched off.
  counter.reset();
  auto press = [](WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, input, sizeof(INPUT));
  };
  ASSERT_EQ(press(VK_CAPITAL), 2u);
  const DWORD pressed = GetTickCount();
  const bool repainted = pumpUntil([&] { return counter.paints() > 0; }, 1500);
  const DWORD latency = GetTickCount() - pressed;
  press(VK_CAPITAL);  // give the toggle back
  ASSERT_TRUE(repainted);
  EXPECT_LT(latency, 600u) << "the keyboard nudge repaints at once, not at the next tick";
}

// MSG_RELOAD reaches a clock hidden after attach: once shown it has the new face's size.
TEST_F(HookFaults, AClockHiddenAfterAttachShowsReloadedSettings) {
  writeFace(u"horizontal", {u",,,,,,:HH:mm"});
  StandinTaskbar bar;
  TestHostWindow host;
  attach(bar, host);
  pumpFor(300);
  const PackedSize narrow = askSize(bar.clock());
  ASSERT_NE(narrow, 0u);

  ShowWindow(bar.clock(), SW_HIDE);
  EXPECT_EQ(askSize(bar.clock()), 0u) << "a hidden clock is not sized";
  writeFace(u"horizontal", {u",,,,,,:HH:mm:ss"});
  SendMessageW(bar.clock(), MSG_RELOAD, 0, 0);
  ShowWindow(bar.clock(), SW_SHOW);
  EXPECT_GT(packedWidth(askSize(bar.clock())), packedWidth(narrow));
}

}  // namespace
}  // namespace zembrik::testing
