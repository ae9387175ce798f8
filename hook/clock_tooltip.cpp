#include "hook/clock_tooltip.h"

#include <algorithm>
#include <cstring>

#include "engine/taskbar/tooltip_placement.h"
#include "engine/taskbar/tooltip_text.h"
#include "hook/clock_instance.h"
#include "hook/hook_state.h"
#include "platform/win32/calendar_time_win32.h"

namespace zembrik {

namespace {

constexpr int kMaxTipWidth = 30000;

// The shell registers the class itself today, but the clock must not depend on it.
void registerTooltipClass() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_BAR_CLASSES;
  InitCommonControlsEx(&controls);
}

ScreenRect toScreenRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

void buildText(ClockInstance& clock) {
  ClockServices& services = hookState().services;
  CalendarTime utc, local;
  currentMoment(utc, local);
  PaintCache cache;
  FormatEnvironment env{services.names, services.zones, services.systemZone, services.lockKeys};
  buildTooltipText(clock.alarms.alarmActive(), clock.alarms.text(), clock.config.tooltipFormat,
                   RenderMoment{utc, local}, cache, env, clock.tooltip.text);
}

const wchar_t* wideText(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

int narrowBytes(const wchar_t* text, int length) {
  if (length == 0)
    return 0;
  return WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
}

// The longest beginning that fits szText with its terminator, cut between characters: a whole
// conversion of a longer text fails and leaves szText unterminated.
void fillNarrow(NMTTDISPINFOA& info, const std::u16string& text) {
  const wchar_t* wide = wideText(text);
  std::size_t length =
      fittingPrefixLength(text, sizeof(info.szText) - 1, [wide](std::u16string_view prefix) {
        int bytes = narrowBytes(wide, static_cast<int>(prefix.size()));
        return bytes > 0 ? static_cast<std::size_t>(bytes) : prefix.empty() ? 0 : SIZE_MAX;
      });
  int written = length == 0
                    ? 0
                    : WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length), info.szText,
                                          sizeof(info.szText) - 1, nullptr, nullptr);
  info.szText[std::max(written, 0)] = '\0';
  info.lpszText = info.szText;
}

void fillWide(NMTTDISPINFOW& info, const std::u16string& text) {
  if (wideTipByPointer(text.size())) {
    info.lpszText = const_cast<wchar_t*>(wideText(text));
    return;
  }
  std::memcpy(info.szText, text.c_str(), (text.size() + 1) * sizeof(char16_t));
  info.lpszText = info.szText;
}

SIZE windowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

void placeAndActivate(ClockInstance& clock, SIZE size) {
  POINT cursor{};
  GetCursorPos(&cursor);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoA(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor);
  RECT clockRect{};
  GetWindowRect(clock.clock, &clockRect);
  ScreenPoint at = placeTooltip(toScreenRect(monitor.rcMonitor), toScreenRect(clockRect),
                                {cursor.x, cursor.y}, size.cx, size.cy, clock.vertical);
  HWND tip = clock.tooltip.window;
  SendMessageA(tip, TTM_TRACKPOSITION, 0, static_cast<LPARAM>(packPoint(at.x, at.y)));
  SendMessageA(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&clock.tooltip.tool));
}

}  // namespace

ClockTooltip::~ClockTooltip() {
  if (window && IsWindow(window)) {
    SendMessageA(window, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    DestroyWindow(window);
  }
}

void createTooltip(ClockInstance& clock, int osGeneration) {
  registerTooltipClass();
  ClockTooltip& tip = clock.tooltip;
  tip.window =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                      WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, clock.clock, nullptr, nullptr, nullptr);
  if (!tip.window)
    return;
  tip.tool = TOOLINFOA{};
  // The oldest systems' common controls reject the record with the trailing reserved pointer.
  tip.tool.cbSize = osGeneration == 1 ? TTTOOLINFOA_V2_SIZE : sizeof(TOOLINFOA);
  tip.tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
  tip.tool.hwnd = clock.clock;
  tip.tool.uId = reinterpret_cast<UINT_PTR>(clock.clock);
  tip.tool.lpszText = LPSTR_TEXTCALLBACKA;
  SendMessageA(tip.window, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tip.tool));
  SendMessageA(tip.window, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
}

void destroyTooltip(ClockInstance& clock) {
  ClockTooltip& tip = clock.tooltip;
  if (tip.window) {
    SendMessageA(tip.window, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tip.tool));
    DestroyWindow(tip.window);
    tip.window = nullptr;
  }
  tip.tracking = kTrackingOff;
}

void showTooltip(ClockInstance& clock) {
  if (!clock.tooltip.window)
    return;
  SIZE used = windowSize(clock.tooltip.window);
  for (int placement = 0; placement < kMaxTooltipPlacements; ++placement) {
    placeAndActivate(clock, used);
    SIZE now = windowSize(clock.tooltip.window);
    if (now.cx == used.cx && now.cy == used.cy)
      break;
    used = now;
  }
}

void takeDownTooltip(ClockInstance& clock) {
  ClockTooltip& tip = clock.tooltip;
  if (tip.tracking <= kTrackingOff)
    return;
  if (tip.window)
    SendMessageA(tip.window, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tip.tool));
  tip.tracking = kTrackingClicked;
}

bool clockGivesTooltipText(const ClockInstance& clock) {
  return !clock.config.tooltipFormat.empty() ||
         (clock.alarms.alarmActive() && !clock.alarms.text().empty());
}

bool answerTooltipText(ClockInstance& clock, LPARAM lParam) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header || !clockGivesTooltipText(clock))
    return false;
  if (header->code != TTN_GETDISPINFOA && header->code != TTN_GETDISPINFOW)
    return false;
  buildText(clock);
  if (header->code == TTN_GETDISPINFOW) {
    fillWide(*reinterpret_cast<NMTTDISPINFOW*>(lParam), clock.tooltip.text);
  } else {
    fillNarrow(*reinterpret_cast<NMTTDISPINFOA*>(lParam), clock.tooltip.text);
  }
  return true;
}

}  // namespace zembrik
