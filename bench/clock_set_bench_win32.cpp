// Times the settings editor's idle one-second clock-set refresh under Wine on the real registry,
// with the stand-in taskbar and two secondary clocks running (run by hand; not a test).
#include <windows.h>

#include <cstdio>

#include "engine/options/clock_set_model.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "options/clock_set_windows_win32.h"
#include "platform/win32/registry_win32.h"
#include "tests/hook/hook_test_driver.h"

int main() {
  using namespace zembrik;
  testing::StandinTaskbar bar(L"--secondary=0,0,600,30 --secondary=600,0,1200,30");
  if (!bar.running())
    return 1;
  auto user = openCurrentUserRoot();
  auto self =
      createKeyWithPersistentParents(*user, kThisKeyPath, kKeyReadWrite, KeyLifetime::Volatile);
  for (int clock = 1; clock <= 2; ++clock) {
    std::u16string suffix = clock == 1 ? u"_1" : u"_2";
    writeNumber(*self.key, u"hwndLo" + suffix, HandleToULong(bar.clock(clock)));
    writeNumber(*self.key, u"hwndHi" + suffix, 0);
  }
  Win32ClockSetWindows windows;
  ClockSetModel model(*user, windows, [](const std::u16string&) {});
  model.openSettingsKey();
  PageCombos page;
  model.selectClockSet(kUndeterminedSet, &page);

  constexpr int kRounds = 2000;
  int refilled = 0;
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  FILETIME created, exited, kernelBefore, userBefore, kernelAfter, userAfter;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernelBefore, &userBefore);
  QueryPerformanceCounter(&start);
  for (int round = 0; round < kRounds; ++round)
    refilled += model.selectClockSet(kUndeterminedSet, &page) ? 1 : 0;
  QueryPerformanceCounter(&end);
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernelAfter, &userAfter);
  auto ticks = [](const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  const double cpuUs = static_cast<double>(ticks(kernelAfter) - ticks(kernelBefore) +
                                           ticks(userAfter) - ticks(userBefore)) /
                       10.0 / kRounds;
  const double wallUs = static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
                        static_cast<double>(frequency.QuadPart) / kRounds;
  // Where the time goes: each question to the windowing system alone.
  auto timeOf = [&frequency](auto&& step) {
    LARGE_INTEGER before, after;
    QueryPerformanceCounter(&before);
    for (int round = 0; round < 200; ++round) step();
    QueryPerformanceCounter(&after);
    return static_cast<double>(after.QuadPart - before.QuadPart) * 1e6 /
           static_cast<double>(frequency.QuadPart) / 200;
  };
  const WindowRef clock = model.selectedClock();
  std::printf(
      "primary taskbar %.1f us, secondary taskbars %.1f us, monitor %.1f us, host %.1f us\n",
      timeOf([&] { windows.primaryTaskbar(); }), timeOf([&] { windows.secondaryTaskbars(); }),
      timeOf([&] { windows.monitorOf(clock); }), timeOf([&] { windows.hostWindow(); }));
  std::printf("idle clock-set refresh: %.1f us wall, %.1f us CPU per refresh; %d of %d refilled\n",
              wallUs, cpuUs, refilled, kRounds);
  return 0;
}
