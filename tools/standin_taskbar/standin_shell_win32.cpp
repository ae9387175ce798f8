#include "tools/standin_taskbar/standin_shell_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace standin {
namespace {

constexpr int kPagerId = 1504;  // the pager's control id in its WM_NOTIFY

Rect toRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

Size clientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

void place(HWND window, const Rect& rect) {
  SetWindowPos(window, nullptr, rect.left, rect.top, rect.width(), rect.height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect monitorRectOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  HMONITOR monitor = window ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)
                            : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  GetMonitorInfoW(monitor, &info);
  return toRect(info.rcMonitor);
}

std::wstring formatNow(bool date, DWORD flags) {
  wchar_t text[128] = {};
  int length = date ? GetDateFormatW(LOCALE_USER_DEFAULT, flags, nullptr, nullptr, text, 128)
                    : GetTimeFormatW(LOCALE_USER_DEFAULT, flags, nullptr, nullptr, text, 128);
  return length > 0 ? std::wstring(text) : std::wstring();
}

// A hidden show-desktop button (the hook library hides it on request) leaves its room to the
// clock. Its own style bit decides, not IsWindowVisible, which is false until the bar is shown.
// A button that answers the size query with 0 (the hook library's subclass) leaves it too.
bool showDesktopTakesRoom(const Bar& bar) {
  return bar.showDesktop && (GetWindowLongW(bar.showDesktop, GWL_STYLE) & WS_VISIBLE) &&
         SendMessageW(bar.showDesktop, kMsgGetSize, 0, 0) != 0;
}

}  // namespace

void broadcastTaskbarCreated() {
  // Sent as a notification: nobody is waited for, and a WH_CALLWNDPROC hook on a receiving
  // thread sees it, which it would not for a posted message.
  static const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  SendNotifyMessageW(HWND_BROADCAST, taskbarCreated, 0, 0);
}

Shell* shellOf(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<Shell*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

Shell::Shell(HINSTANCE instance, Options options)
    : instance_(instance), options_(std::move(options)), look_(makeLook(options_)) {}

Shell::~Shell() {
  destroyWindows();
}

bool Shell::createWindows() {
  bars_.reserve(1 + options_.secondaries.size() + options_.secondariesOn.size());
  if (!createMain())
    return false;
  for (const auto& rect : options_.secondaries)
    if (!createSecondary(rect))
      return false;
  for (const auto& on : options_.secondariesOn) {
    auto rect = secondaryOnMonitor(on.monitor, on.edge);
    if (!rect || !createSecondary(*rect))
      return false;
  }
  for (auto& bar : bars_) ShowWindow(bar.window.get(), SW_SHOWNOACTIVATE);
  broadcastTaskbarCreated();
  return true;
}

void Shell::destroyWindows() {
  // Moved out first: the windows' procedures look at bars_ while they are destroyed.
  zembrik::UniqueWindow panel = std::move(panel_);
  zembrik::UniqueWindow tip = std::move(tip_);
  std::vector<Bar> bars = std::move(bars_);
  bars_.clear();
  ++generation_;
}

HWND Shell::createChild(HWND parent, const wchar_t* className, DWORD exStyle, int id) {
  return CreateWindowExW(
      exStyle, className, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0,
      0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, this);
}

bool Shell::createMain() {
  Bar bar;
  bar.main = true;
  bar.vertical = isVertical(options_.edge);
  Rect rect = taskbarRect(monitorRectOf(nullptr), options_.edge, effectiveThickness(options_));
  DWORD layered = options_.translucent ? WS_EX_LAYERED : 0;
  bar.window.reset(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | layered, L"Shell_TrayWnd",
                                   L"", WS_POPUP | WS_CLIPCHILDREN, rect.left, rect.top,
                                   rect.width(), rect.height(), nullptr, nullptr, instance_, this));
  if (!bar.window)
    return false;
  HWND top = bar.window.get();
  if (options_.translucent)
    SetLayeredWindowAttributes(top, 0, 192, LWA_ALPHA);
  bar.band = createChild(top, L"ReBarWindow32", 0, 1);
  bar.notifyArea = createChild(top, L"TrayNotifyWnd", options_.classic ? WS_EX_STATICEDGE : 0, 2);
  if (!bar.band || !bar.notifyArea)
    return false;
  bar.pager = createChild(bar.notifyArea, L"SysPager", 0, kPagerId);
  bar.clock = createChild(bar.notifyArea, L"TrayClockWClass", 0, 3);
  if (options_.showDesktop)
    bar.showDesktop = createChild(bar.notifyArea, L"TrayShowDesktopButtonWClass", 0, 4);
  if (!bar.pager || !bar.clock || (options_.showDesktop && !bar.showDesktop))
    return false;
  bars_.push_back(std::move(bar));
  layoutMain();
  if (faults_.selfLayoutPeriodMs > 0)
    SetTimer(top, kSelfLayoutTimer, static_cast<UINT>(faults_.selfLayoutPeriodMs), nullptr);
  return true;
}

bool Shell::createSecondary(const Rect& rect) {
  Bar bar;
  bar.vertical = rect.height() > rect.width();
  bar.window.reset(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"Shell_SecondaryTrayWnd", L"",
                                   WS_POPUP | WS_CLIPCHILDREN, rect.left, rect.top, rect.width(),
                                   rect.height(), nullptr, nullptr, instance_, this));
  if (!bar.window)
    return false;
  // The band first: children created later go below, so the clock's previous sibling is the band.
  bar.band = createChild(bar.window.get(), L"WorkerW", 0, 1);
  bar.clock = createChild(bar.window.get(), L"ClockButton", 0, 2);
  if (!bar.band || !bar.clock)
    return false;
  bars_.push_back(std::move(bar));
  layoutSecondary(bars_.back());
  return true;
}

Size Shell::notifyFrame() const {
  RECT frame{0, 0, 0, 0};
  if (!bars_.empty() && bars_[0].notifyArea) {
    HWND notify = bars_[0].notifyArea;
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(notify, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(notify, GWL_EXSTYLE)));
  }
  return {frame.right - frame.left, frame.bottom - frame.top};
}

int Shell::barInnerCross(const Bar& bar) const {
  Size client = clientSize(bar.window.get());
  int cross = bar.vertical ? client.cx : client.cy;
  if (bar.notifyArea) {
    Size frame = notifyFrame();
    cross -= bar.vertical ? frame.cx : frame.cy;
  }
  return std::max(cross, 0);
}

std::vector<std::wstring> Shell::clockLines(const Bar& bar) const {
  std::vector<std::wstring> lines{formatNow(false, TIME_NOSECONDS)};
  // The date goes below the time when the bar is thick enough for two lines, as on later systems.
  if (bar.vertical || barInnerCross(bar) >= 2 * look_.lineHeight + 2 * kClockPaddingCross)
    lines.push_back(formatNow(true, DATE_SHORTDATE));
  return lines;
}

Size Shell::clockNativeSize(const Bar& bar) const {
  auto lines = clockLines(bar);
  zembrik::WindowDc dc(bar.clock);
  zembrik::SelectedObject keepFont(dc.get(), look_.font.get());
  int widest = 0;
  for (const auto& line : lines) {
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), line.c_str(), static_cast<int>(line.size()), &extent);
    widest = std::max(widest, static_cast<int>(extent.cx));
  }
  Size text{widest, look_.lineHeight * static_cast<int>(lines.size())};
  return nativeClockSize(bar.vertical, barInnerCross(bar), text);
}

Size Shell::notifyNativeSize() const {
  if (bars_.empty() || !bars_[0].notifyArea)
    return {};
  const Bar& bar = bars_[0];
  Size client = clientSize(bar.window.get());
  return notifyAreaSize(bar.vertical, bar.vertical ? client.cx : client.cy, clockNativeSize(bar),
                        showDesktopTakesRoom(bar), notifyFrame(), pagerLength());
}

void Shell::layoutMain() {
  Bar* bar = barAt(0);
  if (!bar || !bar->notifyArea)
    return;
  const unsigned generation = generation_;
  Size client = clientSize(bar->window.get());
  Size notifySize;
  if (options_.generation7) {
    notifySize =
        unpackSize(static_cast<std::uint32_t>(SendMessageW(bar->notifyArea, kMsgGetSize, 0, 0)));
  } else {
    bar->clockAnswer =
        unpackSize(static_cast<std::uint32_t>(SendMessageW(bar->clock, kMsgGetSize, 0, 0)));
    notifySize =
        notifyAreaSize(bar->vertical, bar->vertical ? client.cx : client.cy, bar->clockAnswer,
                       showDesktopTakesRoom(*bar), notifyFrame(), pagerLength());
  }
  if (generation != generation_)
    return;  // re-created while it answered: the new tree has laid itself out
  auto layout = layoutTaskbar(client, bar->vertical, notifySize);
  place(bar->band, layout.band);
  if (generation != generation_)
    return;
  Size before = clientSize(bar->notifyArea);
  place(bar->notifyArea, layout.notifyArea);
  if (generation != generation_)
    return;
  if (clientSize(bar->notifyArea) == before)
    layoutNotifyArea();  // no WM_SIZE did it
}

void Shell::layoutNotifyArea() {
  Bar* bar = barAt(0);
  if (!bar || !bar->notifyArea)
    return;
  const unsigned generation = generation_;
  Size client = clientSize(bar->notifyArea);
  Size clock = options_.generation7 ? clockNativeSize(*bar) : bar->clockAnswer;
  auto layout = standin::layoutNotifyArea(client, bar->vertical, clock, showDesktopTakesRoom(*bar),
                                          pagerLength());
  place(bar->pager, layout.pager);
  if (generation != generation_)
    return;
  place(bar->clock, layout.clock);  // the clock sees this as a proposal in WM_WINDOWPOSCHANGING
  if (generation != generation_)
    return;
  if (showDesktopTakesRoom(*bar))
    place(bar->showDesktop, layout.showDesktop);
  if (!options_.generation7 || generation != generation_)
    return;
  // The pager recalculates last, after the clock and its neighbours are in place; the hook
  // library moves the neighbours on this notification.
  NMPGCALCSIZE calc{};
  calc.hdr.hwndFrom = bar->pager;
  calc.hdr.idFrom = kPagerId;
  calc.hdr.code = static_cast<UINT>(PGN_CALCSIZE);
  calc.dwFlag = bar->vertical ? PGF_CALCHEIGHT : PGF_CALCWIDTH;
  SendMessageW(bar->notifyArea, WM_NOTIFY, kPagerId, reinterpret_cast<LPARAM>(&calc));
  if (generation != generation_)
    return;
  Size pager = clientSize(bar->pager);
  if (bar->vertical)
    pager.cy = calc.iHeight;
  else
    pager.cx = calc.iWidth;
  SetWindowPos(bar->pager, nullptr, 0, 0, pager.cx, pager.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Shell::layoutSecondary(Bar& bar) {
  const unsigned generation = generation_;
  Size client = clientSize(bar.window.get());
  auto layout = standin::layoutSecondary(client, bar.vertical, clockNativeSize(bar));
  place(bar.band, layout.band);
  if (generation == generation_)
    place(bar.clock, layout.clock);
}

void Shell::relayoutAll() {
  const unsigned generation = generation_;
  layoutMain();
  for (std::size_t i = 1; i < bars_.size() && generation == generation_; ++i)
    layoutSecondary(bars_[i]);
}

bool Shell::moveMain(Edge edge, int thickness) {
  Bar* bar = barAt(0);
  if (!bar)
    return false;
  options_.edge = edge;
  options_.thickness = std::max(thickness, 0);
  bar->vertical = isVertical(edge);
  Rect rect = taskbarRect(monitorRectOf(nullptr), edge, effectiveThickness(options_));
  const unsigned generation = generation_;
  SetWindowPos(bar->window.get(), nullptr, rect.left, rect.top, rect.width(), rect.height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (generation != generation_)
    return true;  // re-created meanwhile, on the new edge
  layoutMain();
  if (generation != generation_)
    return true;
  RedrawWindow(bar->window.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  return true;
}

void Shell::setSelfLayout(int periodMs) {
  faults_.selfLayoutPeriodMs = std::max(periodMs, 0);
  Bar* bar = barAt(0);
  if (!bar)
    return;
  if (faults_.selfLayoutPeriodMs > 0)
    SetTimer(bar->window.get(), kSelfLayoutTimer, static_cast<UINT>(faults_.selfLayoutPeriodMs),
             nullptr);
  else
    KillTimer(bar->window.get(), kSelfLayoutTimer);
}

Bar* Shell::barOf(HWND window) {
  HWND root = GetAncestor(window, GA_ROOT);
  for (auto& bar : bars_)
    if (bar.window.get() == root)
      return &bar;
  return nullptr;
}

Bar* Shell::barAt(std::size_t index) {
  return index < bars_.size() ? &bars_[index] : nullptr;
}

void Shell::openDateTimePanel() {
  if (panel_ && IsWindow(panel_.get())) {
    SetForegroundWindow(panel_.get());
    return;
  }
  Bar* bar = barAt(0);
  if (!bar)
    return;
  RECT anchor{};
  GetWindowRect(bar->clock, &anchor);
  panel_.reset(createDateTimePanel(*this, anchor, bar->vertical));
}

void Shell::closeDateTimePanel() {
  panel_.reset();
}

void Shell::forgetWindow(HWND window) {
  // A popup that went away by itself (Alt+F4, a parent's destruction) must not be destroyed again.
  if (panel_.get() == window)
    (void)panel_.release();
  if (tip_.get() == window)
    (void)tip_.release();
}

void Shell::showClockTip(HWND clock, bool show) {
  if (!show) {
    if (tip_)
      ShowWindow(tip_.get(), SW_HIDE);
    return;
  }
  Bar* bar = barOf(clock);
  if (!bar)
    return;
  if (!tip_)
    tip_.reset(createClockTip(*this));
  if (!tip_)
    return;
  std::wstring text = formatNow(true, DATE_LONGDATE);
  SetWindowTextW(tip_.get(), text.c_str());
  SIZE extent{};
  {
    zembrik::WindowDc dc(tip_.get());
    zembrik::SelectedObject keepFont(dc.get(), look_.font.get());
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  }
  RECT anchor{};
  GetWindowRect(clock, &anchor);
  Size size{static_cast<int>(extent.cx) + 12, look_.lineHeight + 8};
  Rect where = placePopup(toRect(anchor), size, monitorRectOf(clock), bar->vertical);
  SetWindowPos(tip_.get(), HWND_TOPMOST, where.left, where.top, where.width(), where.height(),
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(tip_.get(), nullptr, TRUE);
}

void Shell::requestLoopAction(LoopAction action) {
  PostThreadMessageW(GetCurrentThreadId(), kLoopActionMessage, static_cast<WPARAM>(action), 0);
}

Rect Shell::monitorOf(HWND window) const {
  return monitorRectOf(window);
}

}  // namespace standin
