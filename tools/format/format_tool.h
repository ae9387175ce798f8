#pragma once
// zembrik-format: prints what a format text (or a whole cell value) shows for a given moment.
// The command line is a fixed interface that scripts rely on:
//   zembrik-format [options] FORMAT
//   zembrik-format [options] --cell VALUE
// Options: --local "YYYY-MM-DD HH:MM:SS", --utc "YYYY-MM-DD HH:MM:SS", --bias MINUTES (UTC minus
// local), --locks CNS, --tip, --set NAME=TEXT (repeatable), --json, --help, and the zone options
// of format_tool_zones.h (--zones, --zone, --zn-locale, --system-zone).
#include <functional>
#include <string>
#include <vector>

#include "engine/format/calendar_time.h"
#include "engine/names/locale_source.h"

namespace zembrik {

struct LiveZoneSources;

struct FormatToolPlatform {
  // The current UTC time, for a run that names no moment.
  std::function<CalendarTime()> utcNow;
  // The user's locale, or null: day and month names are then the English ones.
  LocaleSource* locale = nullptr;
  // The system's zone database for --zones live, or null where there is none.
  const LiveZoneSources* liveZones = nullptr;
};

// The usage text that --help prints, and that follows an unknown option's message.
extern const char kFormatToolUsage[];

// Runs the tool on `args` (without the program name). Returns the exit code: 0 (--help: the
// usage in `out`), or 2 for bad arguments with a one-line message in `err` (an unknown option:
// the message and the usage).
int runFormatTool(const std::vector<std::u16string>& args, const FormatToolPlatform& platform,
                  std::string& out, std::string& err);

// Text conversions for the command line and the output.
std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

}  // namespace zembrik
