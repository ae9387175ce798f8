// The Alarms page's once-a-second work with 100 alarms on the in-memory registry: the refresh
// after a change (sort and every row's texts) and the timer's rewrite of the rows.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "engine/options/alarms_page_model.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/timezone/calendar_days.h"

namespace zembrik {
namespace {

CalendarTime at(int hour, int minute, int second) {
  CalendarTime t;
  t.year = 2026;
  t.month = 12;
  t.day = 9;
  t.hour = static_cast<std::uint16_t>(hour);
  t.minute = static_cast<std::uint16_t>(minute);
  t.second = static_cast<std::uint16_t>(second);
  return calendarTimeOf(millisecondsOf(t));
}

struct HundredAlarms {
  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> root =
      registry.currentUser()
          ->createSubkey(u"Software\\OBR\\Zembrik", kKeyReadWrite, KeyLifetime::Persistent)
          .key;
  AlarmsPageModel model{*root, [] {}};

  HundredAlarms() {
    auto alarms = root->createSubkey(u"alarms", kKeyReadWrite, KeyLifetime::Persistent).key;
    const char* kinds[] = {"d20261209 W:sMTWTF", "D20261224 w:", "Y20270301 w:", "M20260131 w:"};
    for (int n = 1; n <= 100; ++n) {
      char record[64];
      std::snprintf(record, sizeof record, "%02d%02d00 %s c:ffffff E:60 >", n % 24, n % 60,
                    kinds[n % 4]);
      const std::string number = std::to_string(n);
      const std::u16string suffix(number.begin(), number.end());
      writeText(*alarms, u"name_" + suffix, u"alarm " + suffix);
      writeText(*alarms, u"alarm_" + suffix, std::u16string(record, record + std::strlen(record)));
    }
    model.load(at(8, 0, 0));
  }
};

void BM_AlarmsRefresh100(benchmark::State& state) {
  HundredAlarms page;
  int second = 0;
  for (auto _ : state) {
    const CalendarTime now = at(8, 30, second++ % 60);
    page.model.sort(now);
    for (std::size_t row = 0; row < page.model.rows(); ++row)
      benchmark::DoNotOptimize(page.model.rowTexts(row, now));
  }
}
BENCHMARK(BM_AlarmsRefresh100)->Unit(benchmark::kMicrosecond);

void BM_AlarmsRowsTimer100(benchmark::State& state) {
  HundredAlarms page;
  int second = 0;
  for (auto _ : state) {
    const CalendarTime now = at(8, 30, second++ % 60);
    for (std::size_t row = 0; row < page.model.rows(); ++row)
      benchmark::DoNotOptimize(page.model.rowTexts(row, now));
  }
}
BENCHMARK(BM_AlarmsRowsTimer100)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zembrik
