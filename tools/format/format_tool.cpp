#include "tools/format/format_tool.h"

#include <charconv>
#include <optional>
#include <tuple>

#include "engine/format/format_compile.h"
#include "engine/format/format_render.h"
#include "engine/format/platform_state.h"
#include "engine/format/zone_table.h"
#include "engine/names/name_loading.h"
#include "engine/names/name_tables.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/cell_value.h"
#include "engine/settings/settings_paths.h"
#include "engine/timezone/calendar_days.h"
#include "tools/format/format_tool_zones.h"

namespace zembrik {

std::string toUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // a lone surrogate cannot be written as UTF-8
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::u16string fromUtf8(std::string_view text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size();) {
    auto byte = static_cast<unsigned char>(text[i]);
    int length = byte < 0x80         ? 1
                 : (byte >> 5) == 6  ? 2
                 : (byte >> 4) == 14 ? 3
                 : (byte >> 3) == 30 ? 4
                                     : 0;
    std::uint32_t c = length == 1   ? byte
                      : length == 2 ? byte & 0x1F
                      : length == 3 ? byte & 0x0F
                                    : byte & 0x07;
    bool valid = length > 0 && i + length <= text.size();
    for (int k = 1; valid && k < length; ++k) {
      auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next >> 6) == 2;
      c = (c << 6) | (next & 0x3F);
    }
    if (!valid) {
      out += u'\xFFFD';
      ++i;
      continue;
    }
    i += length;
    if (c >= 0x10000) {
      c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (c >> 10));
      out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

const char kFormatToolUsage[] =
    "usage: zembrik-format [options] FORMAT | --cell VALUE\n"
    "Prints each segment (left, centre, right) that a format or a whole cell value shows.\n"
    "  --local \"YYYY-MM-DD HH:MM:SS\"  the local moment (default: now)\n"
    "  --utc \"YYYY-MM-DD HH:MM:SS\"    the UTC moment\n"
    "  --bias MINUTES                 UTC minus local time, -1440 to 1440 (default 0)\n"
    "  --locks CNS                    the lock keys that are on: Caps, Num, Scroll\n"
    "  --tip                          compile as the tooltip does (cell mode off)\n"
    "  --set NAME=TEXT                a root value such as weekDays or textPM (repeatable)\n"
    "  --json                         segments and flags as one JSON object\n"
    "  --zones none|fixture|live      the zone database (default none)\n"
    "  --zone KEY[/STD[/DLT]]=SUBKEY  a configured zone (repeatable)\n"
    "  --zn-locale NAME               the special locale of the ZN token\n"
    "  --system-zone SUBKEY           the system's zone, at the --utc moment\n"
    "  --help                         this text\n"
    "  --                             the next argument is the FORMAT, even with a leading -\n";

namespace {

void fillDayOfWeek(CalendarTime& time) {
  time.dayOfWeek =
      static_cast<std::uint16_t>(weekdayOf(dayNumberOf(time.year, time.month, time.day)));
}

CalendarTime addMinutes(const CalendarTime& time, std::int64_t minutes) {
  return calendarTimeOf(millisecondsOf(time) + minutes * kMillisecondsPerMinute);
}

struct ToolOptions {
  std::u16string text;
  bool cellValue = false;
  bool haveText = false;
  std::optional<CalendarTime> local;
  std::optional<CalendarTime> utc;
  std::int32_t bias = 0;
  bool caps = false, num = false, scroll = false;
  bool cellMode = true;
  bool json = false;
  bool help = false;
  bool unknownOption = false;
  std::vector<std::pair<std::u16string, std::u16string>> rootValues;
  ZoneToolOptions zones;
};

bool parseNumber(std::u16string_view text, int& value) {
  std::string ascii = toUtf8(text);
  auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  return error == std::errc() && end == ascii.data() + ascii.size();
}

// "YYYY-MM-DD HH:MM:SS" (also with 'T' between date and time).
std::optional<CalendarTime> parseMoment(std::u16string_view text) {
  if (text.size() != 19 || text[4] != u'-' || text[7] != u'-' ||
      (text[10] != u' ' && text[10] != u'T') || text[13] != u':' || text[16] != u':') {
    return std::nullopt;
  }
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  if (!parseNumber(text.substr(0, 4), year) || !parseNumber(text.substr(5, 2), month) ||
      !parseNumber(text.substr(8, 2), day) || !parseNumber(text.substr(11, 2), hour) ||
      !parseNumber(text.substr(14, 2), minute) || !parseNumber(text.substr(17, 2), second)) {
    return std::nullopt;
  }
  if (year < 1601 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) ||
      hour > 23 || minute > 59 || second > 59) {
    return std::nullopt;
  }
  CalendarTime time;
  time.year = static_cast<std::uint16_t>(year);
  time.month = static_cast<std::uint16_t>(month);
  time.day = static_cast<std::uint16_t>(day);
  time.hour = static_cast<std::uint16_t>(hour);
  time.minute = static_cast<std::uint16_t>(minute);
  time.second = static_cast<std::uint16_t>(second);
  fillDayOfWeek(time);
  return time;
}

// Returns an error text, empty when the arguments are good.
std::string parseArguments(const std::vector<std::u16string>& args, ToolOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::u16string& arg = args[i];
    auto value = [&]() -> const std::u16string* {
      return i + 1 < args.size() ? &args[++i] : nullptr;
    };
    if (std::string zoneError; parseZoneOption(args, i, options.zones, zoneError)) {
      if (!zoneError.empty())
        return zoneError;
      continue;
    }
    if (arg == u"--help") {
      options.help = true;
      return {};
    } else if (arg == u"--json") {
      options.json = true;
    } else if (arg == u"--tip") {
      options.cellMode = false;
    } else if (arg == u"--local" || arg == u"--utc") {
      const std::u16string* text = value();
      if (!text)
        return toUtf8(arg) + " needs a moment \"YYYY-MM-DD HH:MM:SS\"";
      auto moment = parseMoment(*text);
      if (!moment)
        return "bad moment for " + toUtf8(arg) + ": \"" + toUtf8(*text) + "\"";
      (arg == u"--local" ? options.local : options.utc) = moment;
    } else if (arg == u"--bias") {
      const std::u16string* text = value();
      int minutes = 0;
      if (!text || !parseNumber(*text, minutes) || minutes < -1440 || minutes > 1440) {
        return "--bias needs a number of minutes between -1440 and 1440";
      }
      options.bias = minutes;
    } else if (arg == u"--locks") {
      const std::u16string* text = value();
      if (!text)
        return "--locks needs the letters of the lock keys that are on (C, N, S)";
      for (char16_t c : *text) {
        if (c == u'C' || c == u'c')
          options.caps = true;
        else if (c == u'N' || c == u'n')
          options.num = true;
        else if (c == u'S' || c == u's')
          options.scroll = true;
        else
          return "--locks takes only the letters C, N and S";
      }
    } else if (arg == u"--set") {
      const std::u16string* text = value();
      auto equals = text ? text->find(u'=') : std::u16string::npos;
      if (!text || equals == 0 || equals == std::u16string::npos)
        return "--set needs NAME=TEXT";
      options.rootValues.emplace_back(text->substr(0, equals), text->substr(equals + 1));
    } else if (arg == u"--cell") {
      const std::u16string* text = value();
      if (!text)
        return "--cell needs a cell value";
      if (options.haveText)
        return "give one FORMAT or one --cell VALUE";
      options.text = *text;
      options.cellValue = true;
      options.haveText = true;
    } else if (arg.size() > 1 && arg[0] == u'-' && arg[1] == u'-' && arg != u"--") {
      options.unknownOption = true;
      return "unknown option " + toUtf8(arg);
    } else {
      if (arg == u"--") {
        if (i + 1 >= args.size())
          return "no FORMAT after --";
        ++i;
      }
      if (options.haveText)
        return "give one FORMAT or one --cell VALUE";
      options.text = args[i];
      options.haveText = true;
    }
  }
  if (!options.haveText)
    return "usage: zembrik-format [options] FORMAT | --cell VALUE";
  if (options.cellValue && !options.cellMode)
    return "--tip and --cell do not go together";
  if (options.zones.systemZone && options.local)
    return "--system-zone takes the moment from --utc";
  return {};
}

void appendJsonString(std::string& out, std::u16string_view text) {
  out += '"';
  for (char c : toUtf8(text)) {
    auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace

int runFormatTool(const std::vector<std::u16string>& args, const FormatToolPlatform& platform,
                  std::string& out, std::string& err) {
  ToolOptions options;
  if (std::string problem = parseArguments(args, options); !problem.empty()) {
    err = "zembrik-format: " + problem + "\n";
    if (options.unknownOption)
      err += kFormatToolUsage;
    return 2;
  }
  if (options.help) {
    out = kFormatToolUsage;
    return 0;
  }

  ZoneToolData zoneData;
  if (std::string problem = zoneData.load(options.zones, platform.liveZones); !problem.empty()) {
    err = "zembrik-format: " + problem + "\n";
    return 2;
  }

  // The moment: one side given, the other follows from the bias (UTC minus local).
  RenderMoment moment;
  if (options.local && options.utc) {
    moment.local = *options.local;
    moment.utc = *options.utc;
  } else if (options.local) {
    moment.local = *options.local;
    moment.utc = addMinutes(moment.local, options.bias);
  } else {
    moment.utc = options.utc ? *options.utc : platform.utcNow();
    fillDayOfWeek(moment.utc);
    moment.local = addMinutes(moment.utc, -options.bias);
  }
  moment.local.second = moment.utc.second;
  SystemZoneInfo zoneInfo;
  zoneInfo.bias = options.bias;
  if (auto system = zoneData.systemZoneAt(moment.utc))
    std::tie(zoneInfo, moment.local) = *system;

  // Root values go through a registry, as the settings loader reads them.
  NameTables names;
  if (platform.locale)
    loadLocaleNames(names, *platform.locale);
  MemoryRegistry registry;
  auto root = registry.currentUser()
                  ->createSubkey(kSettingsRootPath, kKeyReadWrite, KeyLifetime::Persistent)
                  .key;
  for (const auto& [name, text] : options.rootValues) writeText(*root, name, text);
  loadNameTexts(names, *root);

  FixedSystemTimeZone systemZone(zoneInfo);
  FixedLockKeyStates lockKeys(options.caps, options.num, options.scroll);
  ZoneTable& zones = zoneData.table();
  FormatEnvironment env{names, zones, systemZone, lockKeys};

  CompiledFormat compiled;
  if (options.cellValue) {
    CellValue cell = parseCellValue(options.text);
    compiled = compileCellFormat(cell.format, cell.alignment, zones).compiled;
  } else {
    compileFormat(options.text, compiled, options.cellMode, zones);
  }

  PaintCache cache;
  RenderedFormat rendered;
  renderFormat(compiled, moment, cache, env, VariantRequest::None, rendered);

  if (options.json) {
    out += "{\"segments\": [";
    for (std::size_t i = 0; i < rendered.segments.size(); ++i) {
      if (i)
        out += ", ";
      appendJsonString(out, rendered.segments[i]);
    }
    out += "], \"seconds\": ";
    out += rendered.secondsShown ? "true" : "false";
    out += ", \"lockKeys\": ";
    out += rendered.lockKeysShown ? "true" : "false";
    out += "}\n";
  } else {
    for (const auto& segment : rendered.segments) out += toUtf8(segment) + "\n";
  }
  return 0;
}

}  // namespace zembrik
