// zembrik-preview: paints the face of a clock set into a BMP file, through the clock's own
// painter and GDI surface, so that a face can be checked without a taskbar.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "engine/meters/face_meters.h"
#include "engine/names/name_loading.h"
#include "engine/paint/face_colours.h"
#include "engine/registry/registry_access.h"
#include "platform/win32/calendar_time_win32.h"
#include "platform/win32/font_win32.h"
#include "platform/win32/format_platform_win32.h"
#include "platform/win32/gdi_surface.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/system_colours_win32.h"
#include "tools/preview/face_preview.h"
#include "tools/preview/meter_feed.h"
#include "tools/preview/preview_options.h"

namespace zembrik {
namespace {

class FixedTheme final : public ThemeState {
 public:
  explicit FixedTheme(bool active) : active_(active) {}
  bool themeActive() const override { return active_; }

 private:
  bool active_;
};

RenderMoment momentOf(const PreviewOptions& options) {
  SYSTEMTIME local = options.local;
  SYSTEMTIME utc;
  if (options.now) {
    GetSystemTime(&utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
  } else if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc)) {
    utc = local;
  }
  return {toCalendarTime(utc), toCalendarTime(local)};
}

double microseconds(LARGE_INTEGER from, LARGE_INTEGER to, int repetitions) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) * 1e6 / double(frequency.QuadPart) / repetitions;
}

// The font of the cell that shows the time, else the context's own.
FontHandle timeFont(const ClockConfig& clock) {
  for (const auto& cell : clock.cells) {
    if (cell && cell->font && cell->format.find(u"HH:mm") != std::u16string::npos)
      return cell->font->handle;
  }
  return 0;
}

// How the lock-key states are read for the timed paints.
enum class KeyReads { AsTheClock, EveryPaint, FromMemory };

double timePaints(ClockConfig& clock, FacePainter& painter, const PaintInputs& inputs,
                  GdiSurface& target, int repetitions, Win32LockKeyStates* lockKeys,
                  KeyReads reads) {
  for (int i = 0; i < 10; ++i) painter.draw(clock, inputs, target, target.size());
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < repetitions; ++i) {
    // As the paint handler does before every paint.
    inputs.cache.reset();
    if (lockKeys && reads == KeyReads::AsTheClock)
      lockKeys->keepWithinMinute(inputs.moment.utc.minute);
    if (lockKeys && reads == KeyReads::EveryPaint)
      lockKeys->forget();
    painter.draw(clock, inputs, target, target.size());
  }
  GdiFlush();
  QueryPerformanceCounter(&end);
  return microseconds(start, end, repetitions);
}

double timeDrawText(GdiSurface& surface, FontHandle font, int repetitions) {
  surface.selectFont(font);
  RECT rect{0, 0, surface.size().width, surface.size().height};
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < repetitions; ++i)
    DrawTextW(surface.dc(), L"HH:mm", 5, &rect,
              DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE | DT_CENTER);
  GdiFlush();
  QueryPerformanceCounter(&end);
  surface.selectFont(0);
  return microseconds(start, end, repetitions);
}

// The whole draw pass of the face against one plain DrawTextW of "HH:mm" in the time's font on
// the picture's context, and on a memory context like the one the painter draws into. The
// lock-key states are read as the clock reads them (kept within a minute until a lock key is
// reported to change), then read afresh for every paint (the first paint after a lock key
// changed; under Wine the read is a call to the server), then taken from memory. The timings
// take turns in rounds, so that a machine whose speed changes during the run (other work, clock
// changes) changes the face's paint and DrawTextW alike and the ratio stays fair.
void benchmark(ClockConfig& clock, FacePainter& painter, const PaintInputs& inputs,
               Win32LockKeyStates& systemLockKeys, FaceImage& image, int repetitions) {
  GdiSurface target(image.dc(), image.size());
  FixedLockKeyStates lockKeys;
  FormatEnvironment quietEnvironment{inputs.format.names, inputs.format.zones,
                                     inputs.format.systemZone, lockKeys};
  PaintInputs quiet{quietEnvironment, inputs.moment,       inputs.cache,
                    inputs.colours,   inputs.osGeneration, inputs.alarmRinging};
  auto memory = GdiSurface::createMemory(image.size());
  const int rounds = std::min(repetitions, 10);
  double face = 0, faceFresh = 0, faceQuiet = 0, text = 0, memoryText = 0;
  for (int round = 0; round < rounds; ++round) {
    // The repetitions shared out over the rounds, the first ones taking the remainder.
    const int share = repetitions / rounds + (round < repetitions % rounds ? 1 : 0);
    const double weight = double(share) / repetitions;
    face += weight * timePaints(clock, painter, inputs, target, share, &systemLockKeys,
                                KeyReads::AsTheClock);
    faceFresh += weight * timePaints(clock, painter, inputs, target, share, &systemLockKeys,
                                     KeyReads::EveryPaint);
    faceQuiet +=
        weight * timePaints(clock, painter, quiet, target, share, nullptr, KeyReads::FromMemory);
    text += weight * timeDrawText(target, timeFont(clock), share);
    if (memory)
      memoryText += weight * timeDrawText(*memory, timeFont(clock), share);
  }
  std::wprintf(
      L"face paint: %.2f us as the clock paints (%.2f us reading the lock keys for each paint, "
      L"%.2f us with them from memory)\n",
      face, faceFresh, faceQuiet);
  std::wprintf(
      L"DrawTextW \"HH:mm\": %.2f us on the picture's context, %.2f us on a memory "
      L"context\n",
      text, memoryText);
  std::wprintf(L"ratio: %.2f (%.2f, %.2f) over %d repetitions\n", face / text, faceFresh / text,
               faceQuiet / text, repetitions);
}

int run(const PreviewOptions& options) {
  NameTables& names = processNameTables();
  Win32LocaleSource locale;
  loadLocaleNames(names, locale);
  EmptyZoneTable zones;
  Win32SystemTimeZone systemZone;
  Win32LockKeyStates lockKeys;
  FormatEnvironment environment{names, zones, systemZone, lockKeys};

  ClockConfig clock;
  std::unique_ptr<RegistryKey> currentUser = options.defaults ? nullptr : openCurrentUserRoot();
  loadPreviewFace(clock, options.clock, currentUser.get(), fontCache(), names, zones);

  RenderMoment moment = momentOf(options);
  PaintCache cache;
  FaceColours colours =
      refreshFaceColours(FixedTheme(options.theme), options.generation, Win32SystemColours());
  PaintInputs inputs{environment, moment, cache, colours, options.generation};
  GdiSurfaceFactory surfaces;
  ClockFaceMeters meters(clock.meters);
  FacePainter painter(surfaces, FaceHooks{nullptr, &meters, nullptr});
  auto image = paintPreview(clock, painter, inputs, options.client);
  if (image && !options.feed.empty()) {
    // The first paint laid the graphs out over the client; the readings then move them on.
    feedMeters(clock, options.feed);
    image = paintPreview(clock, painter, inputs, options.client);
  }
  if (!image) {
    std::fwprintf(stderr, L"zembrik-preview: the face could not be painted\n");
    return 1;
  }
  if (!image->writeBmp(options.out)) {
    std::fwprintf(stderr, L"zembrik-preview: cannot write %ls\n", options.out.c_str());
    return 1;
  }
  std::wprintf(L"%dx%d face written to %ls\n", image->size().width, image->size().height,
               options.out.c_str());
  if (options.bench > 0)
    benchmark(clock, painter, inputs, lockKeys, *image, options.bench);
  return 0;
}

}  // namespace
}  // namespace zembrik

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> args(argv + 1, argv + argc);
  zembrik::PreviewOptions options;
  switch (zembrik::parsePreviewOptions(args, options)) {
    case zembrik::PreviewCommand::Help:
      std::fwprintf(stdout, L"%ls", zembrik::kPreviewUsage);
      return 0;
    case zembrik::PreviewCommand::BadOption:
      std::fwprintf(stderr, L"%ls", zembrik::kPreviewUsage);
      return 2;
    case zembrik::PreviewCommand::Paint:
      break;
  }
  try {
    return zembrik::run(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zembrik-preview: %s\n", e.what());
    return 1;
  }
}
