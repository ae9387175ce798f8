// zembrik-hook-driver: plays the host for the hook library without the host program. Creates the
// host window ("ZembrikClass", "Zembrik"), calls startHook, keeps the clock attached for a while,
// prints the messages the library sent, and calls endHook. For scripts and screenshots:
//   zembrik-hook-driver [--seconds N] [--warmup N] [--face FORMAT [--graphs] | --defaults]
//                       [--native] [--count-paints PROBE.dll]
// It prints "attached" (or "native") once the clock is taken over (or not, with --native), then
// after the warm-up "measuring", and after the held seconds "paints N in S ms" (with
// --count-paints) and "done"; endHook follows half a second later, so that a script measuring the
// shell between "measuring" and "done" sees neither the attach nor the detach.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "engine/protocol/window_messages.h"
#include "hook/hook_exports.h"
#include "platform/win32/wide_text_win32.h"
#include "tools/hook_driver/driver_face.h"
#include "tools/hook_driver/driver_paint_count.h"

namespace {

constexpr UINT_PTR kWarmupTimer = 1;
constexpr UINT_PTR kHoldTimer = 2;
constexpr DWORD kQuietBeforeDetachMs = 500;

struct DriverOptions {
  int seconds = 5;
  int warmupSeconds = 0;
  bool native = false;
  zembrik::DriverFace face;
  std::wstring probe;
};

void say(const char* line) {
  std::printf("%s\n", line);
  std::fflush(stdout);
}

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_USER && message < 0x8000) {
    std::printf("host received 0x%X wParam=0x%llX lParam=0x%llX\n", message,
                static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam));
    std::fflush(stdout);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::u16string utf16(const char* text) {
  return zembrik::portable(zembrik::wideFromUtf8(text));
}

bool parseOptions(int argc, char** argv, DriverOptions& options) {
  using Kind = zembrik::DriverFace::Kind;
  for (int i = 1; i < argc; ++i) {
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (std::strcmp(argv[i], "--seconds") == 0 && value) {
      options.seconds = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--warmup") == 0 && value) {
      options.warmupSeconds = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--face") == 0 && value) {
      options.face.kind = Kind::Format;
      options.face.format = utf16(argv[++i]);
    } else if (std::strcmp(argv[i], "--defaults") == 0) {
      options.face.kind = Kind::Defaults;
    } else if (std::strcmp(argv[i], "--graphs") == 0) {
      options.face.graphs = true;
    } else if (std::strcmp(argv[i], "--native") == 0) {
      options.native = true;
    } else if (std::strcmp(argv[i], "--count-paints") == 0 && value) {
      std::u16string path = utf16(argv[++i]);
      options.probe.assign(path.begin(), path.end());
    } else {
      return false;
    }
  }
  return options.seconds > 0 && options.warmupSeconds >= 0 &&
         (!options.face.graphs || options.face.kind == Kind::Format);
}

UINT milliseconds(int seconds) {
  // At least one: a zero-period timer is raised to the minimum, not skipped.
  return static_cast<UINT>(seconds > 0 ? seconds : 0) * 1000u + 1u;
}

// Pumps until the held period ends; reports the paints counted after the warm-up.
void hold(HWND host, const DriverOptions& options, zembrik::DriverPaintCount* counter) {
  SetTimer(host, kWarmupTimer, milliseconds(options.warmupSeconds), nullptr);
  ULONGLONG measuringSince = 0;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == host) {
      KillTimer(host, message.wParam);
      if (message.wParam == kWarmupTimer) {
        if (counter)
          counter->reset();
        measuringSince = GetTickCount64();
        say("measuring");
        SetTimer(host, kHoldTimer, milliseconds(options.seconds), nullptr);
        continue;
      }
      break;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (counter)
    std::printf("paints %d in %llu ms\n", counter->paints(),
                static_cast<unsigned long long>(GetTickCount64() - measuringSince));
  say("done");
}

}  // namespace

int main(int argc, char** argv) {
  DriverOptions options;
  if (!parseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: zembrik-hook-driver [--seconds N] [--warmup N] "
                 "[--face FORMAT [--graphs] | --defaults] [--native] [--count-paints PROBE]\n");
    return 2;
  }
  if (!options.native && !zembrik::writeDriverFace(options.face)) {
    std::fprintf(stderr, "zembrik-hook-driver: cannot write the face's settings\n");
    return 1;
  }
  const std::wstring className = zembrik::wideFromUtf8(zembrik::kHostWindowClass);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = hostProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = className.c_str();
  RegisterClassW(&windowClass);
  HWND host = CreateWindowExW(
      0, className.c_str(), zembrik::wideFromUtf8(zembrik::kHostWindowTitle).c_str(), WS_OVERLAPPED,
      0, 0, 10, 10, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!host)
    return 1;
  std::unique_ptr<zembrik::DriverPaintCount> counter;
  if (!options.probe.empty()) {
    counter = std::make_unique<zembrik::DriverPaintCount>(options.probe);
    if (!counter->installed()) {
      std::fprintf(stderr, "zembrik-hook-driver: the paint counter could not be installed\n");
      DestroyWindow(host);
      return 1;
    }
  }
  if (!options.native && !startHook(host)) {
    std::fprintf(stderr, "zembrik-hook-driver: startHook failed\n");
    DestroyWindow(host);
    return 1;
  }
  say(options.native ? "native" : "attached");
  hold(host, options, counter.get());
  if (!options.native) {
    Sleep(kQuietBeforeDetachMs);
    endHook();
  }
  counter.reset();
  DestroyWindow(host);
  return 0;
}
