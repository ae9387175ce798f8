#pragma once
// zembrik-preview's command line.
#include <windows.h>

#include <string>
#include <vector>

#include "engine/paint/geometry.h"
#include "tools/preview/face_preview.h"
#include "tools/preview/meter_feed.h"

namespace zembrik {

// What --help prints, and what follows any argument the tool does not understand.
extern const wchar_t kPreviewUsage[];

struct PreviewOptions {
  PreviewClock clock;
  Size client{0, 0};
  bool clientWidthGiven = false;
  bool clientHeightGiven = false;
  bool now = true;
  SYSTEMTIME local{};
  bool defaults = false;
  bool theme = false;
  int generation = 7;
  std::wstring out = L"face.bmp";
  std::vector<MeterReading> feed;
  int bench = 0;
};

enum class PreviewCommand {
  Paint,      // the options are filled in
  Help,       // --help: the usage to standard output, exit 0
  BadOption,  // an unknown option or a missing or bad value: the usage to standard error, exit 2
};

// `args` without the program name.
PreviewCommand parsePreviewOptions(const std::vector<std::wstring>& args, PreviewOptions& options);

}  // namespace zembrik
