// The portable zone time against the system's own conversion: for every zone of the (Wine)
// database, and UTC moments over three years (every hour, and around every change of time
// either side finds), the local time, the bias and so the daylight-saving state must agree with
// SystemTimeToTzSpecificLocalTime given the zone's "TZI" record.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

#include "engine/registry/registry_access.h"
#include "engine/timezone/calendar_days.h"
#include "engine/timezone/configured_zone_table.h"
#include "engine/timezone/zone_loading.h"
#include "platform/win32/calendar_time_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/zone_names_win32.h"

namespace zembrik {
namespace {

constexpr int kFirstYear = 2024;
constexpr int kLastYear = 2026;
constexpr std::int64_t kHour = 3'600'000;

// The record straight from the registry, read without the engine's parser.
bool readSystemRecord(const std::wstring& subkey, TIME_ZONE_INFORMATION& out) {
  struct RegTziFormat {
    LONG bias;
    LONG standardBias;
    LONG daylightBias;
    SYSTEMTIME standardDate;
    SYSTEMTIME daylightDate;
  } tzi;
  static_assert(sizeof(RegTziFormat) == 44);
  std::wstring path = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\" + subkey;
  DWORD size = sizeof tzi;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, path.c_str(), L"TZI", RRF_RT_REG_BINARY, nullptr, &tzi,
                   &size) != ERROR_SUCCESS ||
      size != sizeof tzi) {
    return false;
  }
  out = TIME_ZONE_INFORMATION{};
  out.Bias = tzi.bias;
  out.StandardBias = tzi.standardBias;
  out.DaylightBias = tzi.daylightBias;
  out.StandardDate = tzi.standardDate;
  out.DaylightDate = tzi.daylightDate;
  return true;
}

struct Oracle {
  const TIME_ZONE_INFORMATION& record;
  CalendarTime local;
  std::int64_t bias = 0;  // minutes, UTC minus local

  bool at(std::int64_t utc) {
    SYSTEMTIME in = toSystemTime(calendarTimeOf(utc));
    SYSTEMTIME out;
    if (!SystemTimeToTzSpecificLocalTime(&record, &in, &out))
      return false;
    local = toCalendarTime(out);
    bias = (utc - millisecondsOf(local)) / kMillisecondsPerMinute;
    return true;
  }
};

std::string show(const CalendarTime& t, std::int64_t bias) {
  char text[80];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u w%u bias %lld", t.year,
                t.month, t.day, t.hour, t.minute, t.second, t.milliseconds, t.dayOfWeek,
                static_cast<long long>(bias));
  return text;
}

TEST(ZoneOracle, PortableZoneTimeMatchesTheSystemForEveryZone) {
  // Every zone of the database, configured under its own name in a scratch settings key.
  const std::u16string scratch = u"Software\\ZembrikZoneOracle" + [] {
    auto id = std::to_wstring(GetCurrentProcessId());
    return std::u16string(id.begin(), id.end());
  }();
  auto user = openCurrentUserRoot();
  auto root = user->createSubkey(scratch, kKeyReadWrite, KeyLifetime::Persistent).key;
  auto zones = root->createSubkey(u"tzones", kKeyReadWrite, KeyLifetime::Persistent).key;
  auto database = openLocalMachineRoot()->openSubkey(kTimeZoneDatabasePath, kKeyRead).key;
  ASSERT_TRUE(database);
  RegEnumEntry subkey;
  for (std::uint32_t i = 0; database->enumSubkey(i, kEnumNameChars, subkey) == RegStatus::Ok; ++i) {
    writeText(*zones, subkey.name, subkey.name);
  }
  ConfiguredZoneTable table;
  reloadTimeZones(table, *root, win32ZoneDatabase());
  zones.reset();
  root.reset();
  deleteKeyTree(*user, scratch);

  const std::int64_t first = millisecondsOf(CalendarTime{kFirstYear, 1, 0, 1});
  const std::int64_t last = millisecondsOf(CalendarTime{kLastYear + 1, 1, 0, 1});
  long long compared = 0;
  int zonesCompared = 0;
  int withDaylight = 0;
  int changesFound = 0;

  for (std::size_t index = 0; index < table.size(); ++index) {
    const ZoneEntry& entry = table.entry(static_cast<int>(index));
    if (entry.key == kUtcStandInKey)
      continue;
    TIME_ZONE_INFORMATION record;
    ASSERT_TRUE(readSystemRecord(std::wstring(entry.subkey.begin(), entry.subkey.end()), record));
    const std::string zoneName(entry.subkey.begin(), entry.subkey.end());
    Oracle oracle{record, {}, 0};
    int failures = 0;

    auto compare = [&](std::int64_t utc) {
      ++compared;
      ASSERT_TRUE(oracle.at(utc)) << zoneName;
      ZoneTime mine;
      ASSERT_TRUE(table.zoneTime(static_cast<int>(index), calendarTimeOf(utc), mine));
      if (mine.local != oracle.local || mine.biasMinutes != oracle.bias) {
        ADD_FAILURE() << zoneName << " at UTC " << show(calendarTimeOf(utc), 0) << ": "
                      << show(mine.local, mine.biasMinutes) << " but the system gives "
                      << show(oracle.local, oracle.bias);
        ++failures;
      }
    };
    auto around = [&](std::int64_t change) {
      for (std::int64_t offset :
           {-kMillisecondsPerDay, -2 * kHour, -kHour, -60'000LL, -1000LL, -1LL, 0LL, 1LL, 1000LL,
            60'000LL, kHour, 2 * kHour, kMillisecondsPerDay}) {
        compare(change + offset);
      }
    };

    // The changes the portable rules find, and every moment between.
    std::set<std::int64_t> changes;
    if (observesDaylightSaving(entry.info)) {
      ++withDaylight;
      for (int year = kFirstYear; year <= kLastYear; ++year) {
        changes.insert(transitionInstant(entry.info.standardDate, year,
                                         std::int64_t{entry.info.bias} + entry.info.daylightBias));
        changes.insert(transitionInstant(entry.info.daylightDate, year,
                                         std::int64_t{entry.info.bias} + entry.info.standardBias));
      }
    }
    for (std::int64_t change : changes) around(change);

    // Every hour; where the system's bias changes between two samples, find its change to
    // the millisecond and look around it too.
    std::int64_t previousBias = 0;
    for (std::int64_t utc = first; utc < last && failures < 5; utc += kHour) {
      compare(utc);
      if (utc != first && oracle.bias != previousBias) {
        std::int64_t low = utc - kHour;  // old bias
        std::int64_t high = utc;         // new bias
        while (high - low > 1) {
          std::int64_t middle = low + (high - low) / 2;
          ASSERT_TRUE(oracle.at(middle));
          (oracle.bias == previousBias ? low : high) = middle;
        }
        ++changesFound;
        EXPECT_TRUE(changes.contains(high))
            << zoneName << ": the system changes at UTC " << show(calendarTimeOf(high), 0);
        around(high);
        ASSERT_TRUE(oracle.at(utc));
      }
      previousBias = oracle.bias;
    }
    ++zonesCompared;
  }
  std::printf("[ zone oracle ] %d zones (%d with daylight saving), %lld moments, %d changes\n",
              zonesCompared, withDaylight, compared, changesFound);
  EXPECT_GT(zonesCompared, 100);
}

}  // namespace
}  // namespace zembrik
