// zembrik-format: the command-line front of format_tool.h.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "tools/format/format_tool.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "engine/settings/settings_paths.h"
#include "platform/win32/calendar_time_win32.h"
#include "platform/win32/format_platform_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/zone_names_win32.h"
#include "tools/format/format_tool_zones.h"
#endif

namespace {

zembrik::CalendarTime utcNow() {
  zembrik::CalendarTime now;
#ifdef _WIN32
  SYSTEMTIME st;
  GetSystemTime(&st);
  now = zembrik::toCalendarTime(st);
#else
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  gmtime_r(&t, &tm);
  now.year = static_cast<std::uint16_t>(tm.tm_year + 1900);
  now.month = static_cast<std::uint16_t>(tm.tm_mon + 1);
  now.day = static_cast<std::uint16_t>(tm.tm_mday);
  now.hour = static_cast<std::uint16_t>(tm.tm_hour);
  now.minute = static_cast<std::uint16_t>(tm.tm_min);
  now.second = static_cast<std::uint16_t>(tm.tm_sec);
#endif
  return now;
}

int run(const std::vector<std::u16string>& args, zembrik::LocaleSource* locale) {
  zembrik::FormatToolPlatform platform{utcNow, locale};
#ifdef _WIN32
  // --zones live: the system's database and the user's own zone settings, read only.
  auto machine = zembrik::openLocalMachineRoot();
  zembrik::Win32ZoneNames zoneNames;
  auto settings =
      zembrik::openCurrentUserRoot()->openSubkey(zembrik::kSettingsRootPath, zembrik::kKeyRead);
  zembrik::LiveZoneSources live{machine.get(), &zoneNames, settings.key.get()};
  platform.liveZones = &live;
#endif
  std::string out, err;
  int code = 0;
  try {
    code = zembrik::runFormatTool(args, platform, out, err);
  } catch (const std::exception& e) {
    err = std::string("zembrik-format: ") + e.what() + "\n";
    code = 1;
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fwrite(err.data(), 1, err.size(), stderr);
  return code;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // UTF-8 bytes as they are, no CR added
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) {
    args.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
  }
  // Day and month names come from the user's locale here, as in the clock.
  zembrik::Win32LocaleSource locale;
  return run(args, &locale);
}
#else
int main(int argc, char** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.push_back(zembrik::fromUtf8(argv[i]));
  return run(args, nullptr);
}
#endif
