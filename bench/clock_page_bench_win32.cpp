// Timing program (run by hand under Wine): the Clock page's reload of a 10 x 10 face from the
// real registry, in-process, and the writes an idle refresh makes. Uses a scratch set key that it
// removes.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "bench/clock_page_reload.h"
#include "platform/win32/registry_win32.h"

int main() {
  using namespace zembrik;
  constexpr std::u16string_view kScratch = u"Software\\ZembrikClockPageBench";
  auto user = openCurrentUserRoot();
  deleteKeyTree(*user, kScratch);
  auto set = user->createSubkey(kScratch, kKeyReadWrite, KeyLifetime::Persistent).key;
  if (!set)
    return 1;
  bench::storeTenByTenFace(*set);
  bench::BenchPageServices services(*set);
  ClockPageModel page(services);
  constexpr int kRounds = 50;
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRounds; ++i) page.afterSelectClockSet(true);
  auto elapsed = std::chrono::steady_clock::now() - start;
  page.markInitialised();
  int notifications = services.notifications;
  for (int i = 0; i < 60; ++i) page.afterSelectClockSet(false);
  std::printf("reload 10x10: %.3f ms per reload (%d rounds); idle refreshes: %d notifications\n",
              std::chrono::duration<double, std::milli>(elapsed).count() / kRounds, kRounds,
              services.notifications - notifications);
  set.reset();
  deleteKeyTree(*user, kScratch);
  return 0;
}
