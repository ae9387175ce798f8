#include "tools/preview/preview_options.h"

#include <cwchar>
#include <cwctype>

namespace zembrik {

const wchar_t kPreviewUsage[] =
    L"usage: zembrik-preview [options]\n"
    L"  --vertical         a vertical taskbar's clock (default: horizontal)\n"
    L"  --index N          secondary clock N (default 0, the main taskbar's clock)\n"
    L"  --width N          client width (default: as measured; vertical: 80)\n"
    L"  --height N         client height (default 40; vertical: as measured)\n"
    L"  --dpi N            font resolution (default 96)\n"
    L"  --time YYYY-MM-DDTHH:MM:SS   local time shown (default: now)\n"
    L"  --defaults         the built-in face, whatever the registry holds\n"
    L"  --theme            colours of an active visual-styles theme\n"
    L"  --generation N     Windows generation 1-7 (default 7)\n"
    L"  --feed M:C[:B],... meter readings fed tick by tick before the picture: memory, CPU and\n"
    L"                     battery load in percent (B: on battery power; left out: no battery)\n"
    L"  --out FILE         the picture (default face.bmp)\n"
    L"  --bench N          time N paints against N DrawTextW of \"HH:mm\"\n"
    L"  --help             this text\n";

namespace {

bool parseTime(const wchar_t* text, SYSTEMTIME& out) {
  int y, mo, d, h, mi, s;
  if (std::swscanf(text, L"%d-%d-%dT%d:%d:%d", &y, &mo, &d, &h, &mi, &s) != 6)
    return false;
  SYSTEMTIME t{
      static_cast<WORD>(y),  static_cast<WORD>(mo), 0, static_cast<WORD>(d), static_cast<WORD>(h),
      static_cast<WORD>(mi), static_cast<WORD>(s),  0};
  // A round trip through a file time checks the date and fills in the day of the week.
  FILETIME file;
  return SystemTimeToFileTime(&t, &file) && FileTimeToSystemTime(&file, &out);
}

// A number value: digits with an optional sign, nothing else (a typo must not become 0).
bool parseNumber(const std::wstring& text, int& to) {
  wchar_t* end = nullptr;
  long value = std::wcstol(text.c_str(), &end, 10);
  if (text.empty() || std::iswspace(text[0]) || end == nullptr || *end != L'\0' ||
      value < -1000000 || value > 1000000)
    return false;
  to = static_cast<int>(value);
  return true;
}

}  // namespace

PreviewCommand parsePreviewOptions(const std::vector<std::wstring>& args, PreviewOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    const std::wstring* value = i + 1 < args.size() ? &args[i + 1] : nullptr;
    // Takes the value that follows the option; false when there is none or it is no number.
    auto number = [&](int& to) {
      if (value == nullptr || !parseNumber(*value, to))
        return false;
      ++i;
      return true;
    };
    bool good = true;
    if (arg == L"--help") {
      return PreviewCommand::Help;
    } else if (arg == L"--vertical") {
      options.clock.vertical = true;
    } else if (arg == L"--defaults") {
      options.defaults = true;
    } else if (arg == L"--theme") {
      options.theme = true;
    } else if (arg == L"--index") {
      good = number(options.clock.index);
    } else if (arg == L"--width") {
      good = number(options.client.width);
      options.clientWidthGiven = true;
    } else if (arg == L"--height") {
      good = number(options.client.height);
      options.clientHeightGiven = true;
    } else if (arg == L"--dpi") {
      good = number(options.clock.dpi);
    } else if (arg == L"--generation") {
      good = number(options.generation);
    } else if (arg == L"--bench") {
      good = number(options.bench);
    } else if (arg == L"--feed" && value != nullptr) {
      auto feed = parseMeterFeed(*value);
      good = feed.has_value();
      if (good)
        options.feed = std::move(*feed);
      ++i;
    } else if (arg == L"--out" && value != nullptr) {
      options.out = *value;
      ++i;
    } else if (arg == L"--time" && value != nullptr) {
      good = parseTime(value->c_str(), options.local);
      options.now = false;
      ++i;
    } else {
      good = false;
    }
    if (!good)
      return PreviewCommand::BadOption;
  }
  if (!options.clientHeightGiven && !options.clock.vertical)
    options.client.height = 40;
  if (!options.clientWidthGiven && options.clock.vertical)
    options.client.width = 80;
  options.clock.windowHeight = options.client.height;
  return PreviewCommand::Paint;
}

}  // namespace zembrik
