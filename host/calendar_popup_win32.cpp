#include "host/calendar_popup_win32.h"

#include <algorithm>

#include "engine/calendar/calendar_caption.h"
#include "engine/calendar/calendar_layout.h"
#include "engine/calendar/calendar_painter.h"
#include "engine/names/name_loading.h"
#include "engine/names/name_tables.h"
#include "engine/protocol/window_messages.h"
#include "engine/settings/font_spec.h"
#include "host/calendar_clock_win32.h"
#include "host/calendar_resources.h"
#include "platform/win32/font_win32.h"
#include "platform/win32/format_platform_win32.h"
#include "platform/win32/gdi_surface.h"
#include "platform/win32/proc_address_win32.h"

namespace zembrik {

namespace {

// A picture larger than this is not made (a font of hundreds of points): the area stays blank
// rather than asking GDI for hundreds of megabytes.
constexpr int kMaxAreaSide = 2048;
// Moving to a taskbar on a monitor of another DPI makes the font anew and places again; two
// monitors that keep disagreeing cannot make this loop.
constexpr int kMaxDpiRetries = 3;
constexpr int kUnknownDpi = 96;

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// user32 is loaded in every GUI process; its functions that older systems lack are looked up.
template <class Function>
Function user32Function(const char* name) {
  return procAddress<Function>(GetModuleHandleA("user32.dll"), name);
}

int windowDpi(HWND window) {
  static const auto getDpiForWindow = user32Function<GetDpiForWindowFn>("GetDpiForWindow");
  const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0;
  return dpi != 0 ? static_cast<int>(dpi) : kUnknownDpi;
}

Rect windowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right, r.bottom};
}

std::optional<Rect> monitorOf(HWND window) {
  HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONULL);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!monitor || !GetMonitorInfoW(monitor, &info))
    return std::nullopt;
  return Rect{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

CalendarColours systemCalendarColours() {
  return {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_GRAYTEXT)};
}

struct TitleEnvironment {
  EmptyZoneTable zones;
  Win32SystemTimeZone systemZone;
  Win32LockKeyStates lockKeys;
};

TitleEnvironment& titleEnvironment() {
  static TitleEnvironment environment;
  return environment;
}

}  // namespace

CalendarPopup::CalendarPopup() {
  compileFormat(settings_.title, title_, true, titleEnvironment().zones);
}

CalendarPopup::~CalendarPopup() {
  // The window goes with the host; the picture and the font are released after it.
  if (window_)
    DestroyWindow(window_);
  window_ = nullptr;
}

void CalendarPopup::initLocale() {
  Win32LocaleSource locale;
  loadLocaleNames(processNameTables(), locale);
}

void CalendarPopup::readSettings(RegistryKey& settingsRoot) {
  loadNameTexts(processNameTables(), settingsRoot);
  CalendarSettings read = readCalendarSettings(settingsRoot, settings_);
  if (read == settings_)
    return;
  const bool fontChanged = read.font != settings_.font;
  const bool alphaChanged = read.alpha != settings_.alpha;
  if (read.title != settings_.title)
    compileFormat(read.title, title_, true, titleEnvironment().zones);
  settings_ = std::move(read);
  if (alphaChanged)
    applyTransparency();
  if (fontChanged)
    dropFont();
  if (!visible())
    return;
  if (fontChanged)
    show();
  else
    redraw();
}

bool CalendarPopup::create() {
  if (window_)
    return true;
  today_ = calendarDateOf(calendarLocalNow());
  displayed_ = today_;
  CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CALENDAR), nullptr, dialogProc,
                     reinterpret_cast<LPARAM>(this));
  if (!window_)
    return false;
  applyTransparency();
  return true;
}

void CalendarPopup::toggle(const CalendarAnchor& anchor) {
  if (!create())
    return;
  if (visible() && (!anchor.clickedTaskbar || anchor.clickedTaskbar == placedTaskbar_)) {
    hide();
    return;
  }
  anchor_ = anchor;
  show();
}

void CalendarPopup::hide() {
  if (!visible())
    return;
  const Rect at = windowRect(window_);
  drag_.hiddenAt({at.left, at.top});
  closedAt_ = calendarUniversalNow();
  ShowWindow(window_, SW_HIDE);
}

bool CalendarPopup::visible() const {
  return window_ && IsWindowVisible(window_);
}

void CalendarPopup::showPreviousMonth() {
  if (visible())
    move(-1, 0);
}

void CalendarPopup::showNextMonth() {
  if (visible())
    move(1, 0);
}

void CalendarPopup::dayCheck() {
  if (!visible())
    return;
  if (calendarDateOf(calendarLocalNow()) != today_)
    redraw();
}

bool CalendarPopup::handleDialogMessage(MSG& message) {
  if (!visible() || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
    return false;
  return IsDialogMessageA(window_, &message) != FALSE;
}

void CalendarPopup::move(int months, int years) {
  displayed_ = movedBy(displayed_, months, years);
  redraw();
}

void CalendarPopup::dropFont() {
  // A font still selected into the picture's context would not be deleted.
  if (surface_)
    surface_->selectFont(0);
  font_ = SharedFont{};
}

bool CalendarPopup::checkFont() {
  const int dpi = windowDpi(window_);
  const bool changed = dpi != fontDpi_;
  if (changed)
    dropFont();
  fontDpi_ = dpi;
  if (font_.get() || settings_.font.empty())
    return changed;
  // A spec that names no usable font leaves the surface's own font in place.
  if (auto spec = parseFontSpec(settings_.font)) {
    FontRequest request;
    request.face = spec->face;
    request.size = spec->size;
    request.weight = spec->weight;
    request.third = spec->third;
    request.window = reinterpret_cast<std::uintptr_t>(window_);
    request.antialiased = true;
    request.dpi = dpi;
    font_ = fontCache().acquire(request);
  }
  return changed;
}

void CalendarPopup::redraw() {
  if (!window_)
    return;
  today_ = calendarDateOf(calendarLocalNow());
  const FontHandle font = font_.get() ? font_->handle : 0;

  Size cell;
  if (auto measuring = GdiSurface::createMemory({1, 1})) {
    measuring->selectFont(font);
    cell = calendarCellSize(*measuring);
  }
  const CalendarLayout layout = layOutCalendar(cell, settings_.weeks);

  // A month too large for a picture of sensible size (a font of hundreds of points) leaves the
  // area blank; the window still grows no further than that size.
  const bool fits = layout.wanted.width <= kMaxAreaSide && layout.wanted.height <= kMaxAreaSide;
  const Size target{std::min(layout.wanted.width, kMaxAreaSide),
                    std::min(layout.wanted.height, kMaxAreaSide)};
  // The window grows or shrinks by the difference, its top-left corner staying where it is.
  Rect area = drawingArea();
  if (target != Size{area.width(), area.height()}) {
    const Rect frame = windowRect(window_);
    SetWindowPos(window_, nullptr, 0, 0, frame.width() + target.width - area.width(),
                 frame.height() + target.height - area.height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    area = drawingArea();
  }
  const Size areaSize{area.width(), area.height()};
  if (!fits) {
    surface_.reset();
  } else if (!surface_ || surface_->size() != areaSize) {
    surface_.reset();
    if (areaSize.width > 0 && areaSize.height > 0)
      surface_ = GdiSurface::createMemory(areaSize);
  }
  if (surface_) {
    surface_->selectFont(font);
    const MonthGrid grid = buildMonthGrid(displayed_, settings_.firstWeekday, today_);
    paintMonth(*surface_, grid, layout, settings_.weekdayNames, systemCalendarColours());
  }

  auto& environment = titleEnvironment();
  const FormatEnvironment format{processNameTables(), environment.zones, environment.systemZone,
                                 environment.lockKeys};
  environment.lockKeys.forget();
  const std::u16string caption = calendarCaption(title_, displayed_, format);
  SetWindowTextW(window_, reinterpret_cast<const wchar_t*>(caption.c_str()));
  RECT invalid{area.left, area.top, area.right, area.bottom};
  InvalidateRect(window_, &invalid, FALSE);
}

Point CalendarPopup::placement(Size windowSize) {
  HWND taskbar = anchor_.clickedTaskbar;
  HWND clock = anchor_.clickedClock;
  if (!taskbar || !clock || !IsWindow(taskbar) || !IsWindow(clock)) {
    clock = anchor_.trayClock;
    taskbar = clock ? GetAncestor(clock, GA_ROOT) : nullptr;
  }
  if (!taskbar)
    return kPlacementWithoutMonitor;
  placedTaskbar_ = taskbar;
  const Rect taskbarRect = windowRect(taskbar);
  const Point computed =
      placeCalendar(taskbarRect, windowRect(clock), monitorOf(taskbar), windowSize);
  return drag_.place(computed, taskbarRect);
}

void CalendarPopup::show() {
  HWND before = placedTaskbar_;
  checkFont();
  if (opensOnToday(settings_.todayAfterMs, closedAt_, calendarUniversalNow()))
    displayed_ = calendarDateOf(calendarLocalNow());
  for (int attempt = 0;; ++attempt) {
    redraw();
    const Rect frame = windowRect(window_);
    const Point at = placement({frame.width(), frame.height()});
    SetWindowPos(window_, HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    if (!settings_.topmost)
      SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // On another taskbar's monitor the DPI may differ: the font is made for it and the
    // calendar, now of another size, placed again.
    if (placedTaskbar_ == before || attempt >= kMaxDpiRetries || !checkFont())
      break;
  }
  if (HWND today = GetDlgItem(window_, IDC_CALENDAR_TODAY))
    SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(today), TRUE);
  if (anchor_.trayClock)
    PostMessageA(anchor_.trayClock, MSG_SET_FOREGROUND, reinterpret_cast<WPARAM>(window_), 0);
}

void CalendarPopup::applyTransparency() {
  if (!window_)
    return;
  static const auto setLayered =
      user32Function<SetLayeredWindowAttributesFn>("SetLayeredWindowAttributes");
  if (!setLayered)
    return;
  const LONG_PTR style = GetWindowLongPtrW(window_, GWL_EXSTYLE);
  if (settings_.alpha == 0) {
    if (style & WS_EX_LAYERED)
      SetWindowLongPtrW(window_, GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    return;
  }
  SetWindowLongPtrW(window_, GWL_EXSTYLE, style | WS_EX_LAYERED);
  setLayered(window_, 0, static_cast<BYTE>(255 - settings_.alpha), LWA_ALPHA);
}

}  // namespace zembrik
