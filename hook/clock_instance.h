#pragma once
// Everything about one attached clock inside the shell: the portable configuration the settings
// loader builds, the window handles, the background and painter, and the negotiation state of
// this clock window. Members that refer to others come after them, so they go first.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/meters/alarm_display.h"
#include "engine/meters/face_meters.h"
#include "engine/paint/face_painter.h"
#include "engine/settings/clock_config.h"
#include "engine/taskbar/packed_size.h"
#include "engine/theme/theme_binding.h"
#include "hook/clock_addon_layout.h"
#include "hook/clock_tooltip.h"
#include "platform/win32/captured_background_win32.h"
#include "platform/win32/window_bindings_win32.h"

namespace zembrik {

// How the shell has shown or hidden a clock window since the attach. Only a Visible clock answers
// size queries and is laid out; a ShownAfterHiddenAtAttach one asks the host to attach afresh.
enum class VisibilityState : signed char {
  Visible = 0,
  HiddenAfterAttach = 1,
  HiddenAtAttach = -1,
  ShownAfterHiddenAtAttach = -2,
};

struct ClockInstance {
  ClockInstance(HWND clockWindow, ThemeBinding& theme) noexcept
      : clock(clockWindow), background(clockWindow, theme) {}
  ClockInstance(const ClockInstance&) = delete;
  ClockInstance& operator=(const ClockInstance&) = delete;

  HWND clock = nullptr;
  HWND taskbar = nullptr;
  HWND notify = nullptr;  // null on a secondary taskbar: that is how the two kinds differ
  HWND rebar = nullptr;
  WNDPROC nativeClockProc = nullptr;
  WNDPROC nativeNotifyProc = nullptr;  // generation 7, main taskbar only
  UniqueTimer tick;                    // TICK_TIMER_ID on the clock window
  // The native clock's own timers, killed while the clock is attached (each would wake the
  // shell's thread for nothing) and set again when the native procedure is back.
  std::array<UINT_PTR, 4> pausedNativeTimers{};

  ClockConfig config;
  ClockFaceMeters faceMeters{config.meters};  // the painter's view of the meters
  AlarmDisplay alarms;                        // ringing alarms and the battery alarm
  CapturedBackground background;              // what the face is painted on
  ClockAddonLayout addonLayout{config};       // where the add-on cells went; for the click test
  std::unique_ptr<FacePainter> painter;  // made on first use; refers to the background and meters

  std::uint16_t minuteOfLastPaint = 0xFFFF;
  std::uint16_t secondOfLastPaint = 0xFFFF;
  PackedSize nativeSize = 0;
  PackedSize answeredSize = 0;
  PackedSize measuredSize = 0;
  int clockIndex = 0;
  int dpi = 96;
  int widthAtAttach = 0;
  int heightAtAttach = 0;
  std::uint32_t hideShowDesktop = 0;
  HWND showDesktopButton = nullptr;
  PackedSize showDesktopSize = 0;
  ClockTooltip tooltip;  // its window, tool record, pointer tracking and last text

  bool flatTrayApplied = false;
  bool vertical = false;
  bool repaintEveryTick = false;
  bool lockKeysShown = false;  // the last paint expanded a lock-key token
  bool sizeAnswered = false;
  bool inOwnMove = false;
  bool tickRealigning = false;  // the timer waits less than a second once, to stay in step
  VisibilityState visibilityState = VisibilityState::Visible;

  bool isMain() const noexcept { return notify != nullptr; }
};

}  // namespace zembrik
