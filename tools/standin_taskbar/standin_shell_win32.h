#pragma once
// The stand-in shell: every taskbar window, their layout, the popups, all on one thread.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/dc_scopes_win32.h"
#include "platform/win32/win32_handles.h"
#include "tools/standin_taskbar/standin_layout.h"
#include "tools/standin_taskbar/standin_look_win32.h"
#include "tools/standin_taskbar/standin_options.h"

namespace standin {

// One taskbar. Only the top-level window is owned; its children die with it.
struct Bar {
  zembrik::UniqueWindow window;
  HWND band = nullptr;
  HWND notifyArea = nullptr;  // main taskbar only
  HWND pager = nullptr;       // main taskbar only
  HWND clock = nullptr;
  HWND showDesktop = nullptr;  // main taskbar only, optional
  bool main = false;
  bool vertical = false;
  Size clockAnswer;            // main taskbar: the clock's last answer to MSG_GET_SIZE
  bool trackingMouse = false;  // the clock asked for hover and leave notices
};

// What the pointer made the shell do (kMsgTaskbarMenus and after); it outlives re-creations.
struct PointerCounts {
  int taskbarMenus = 0;
  POINT lastMenuPoint{};  // screen coordinates
  int showDesktopClicks = 0;
};

// Misbehaviour asked for at run time (standin_faults_win32.cpp); it outlives re-creations.
struct FaultState {
  bool restartOnSubclassArmed = false;
  int selfLayoutPeriodMs = 0;  // 0: no layout of its own
  int trayIcons = kPagerLength / kTrayIconLength;
};
inline constexpr UINT_PTR kSelfLayoutTimer = 2;  // on "Shell_TrayWnd"

// Work the message loop does outside any window procedure.
enum class LoopAction : WPARAM { Restart = 1, RestartProcess = 2, Quit = 3 };
inline constexpr UINT kLoopActionMessage = WM_APP + 0x100;  // thread message, wParam LoopAction

class Shell {
 public:
  Shell(HINSTANCE instance, Options options);
  ~Shell();
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  // Builds the window tree, lays it out, shows it and broadcasts "TaskbarCreated".
  bool createWindows();
  void destroyWindows();

  // The main taskbar's layout (its WM_SIZE): asks for the notification area's size, places the
  // band and the notification area, then the notification area's children.
  void layoutMain();
  void layoutNotifyArea();
  void layoutSecondary(Bar& bar);
  void relayoutAll();
  bool moveMain(Edge edge, int thickness);

  // The native clock's wish and text, and the generation-7 notification area's own answer.
  Size clockNativeSize(const Bar& bar) const;
  std::vector<std::wstring> clockLines(const Bar& bar) const;
  Size notifyNativeSize() const;

  Bar* barOf(HWND window);  // the taskbar a window belongs to
  Bar* barAt(std::size_t index);

  void openDateTimePanel();
  void closeDateTimePanel();
  void showClockTip(HWND clock, bool show);
  void forgetWindow(HWND window);  // a popup's WM_NCDESTROY
  Rect monitorOf(HWND window) const;
  void requestLoopAction(LoopAction action);

  FaultState& faults() { return faults_; }
  PointerCounts& pointerCounts() { return pointerCounts_; }
  HWND dateTimePanel() const { return panel_.get(); }
  // Changes whenever the tree is destroyed. A caller that sends to the shell's windows while it
  // holds a Bar compares it before and after: the tree may have been re-created inside the send.
  unsigned generation() const { return generation_; }
  int pagerLength() const { return faults_.trayIcons * kTrayIconLength; }
  // Starts, changes or stops (0) the self-layout timer on the main taskbar.
  void setSelfLayout(int periodMs);

  // Secondary taskbars that come, move and go at run time (standin_secondary_win32.cpp).
  LRESULT onSecondaryMessage(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<Rect> secondaryOnMonitor(int number, Edge edge) const;
  void announceWorkAreaChange();
  void countNativeClockDestroy() { ++nativeClockDestroys_; }

  HINSTANCE instance() const { return instance_; }
  const Options& options() const { return options_; }
  const Look& look() const { return look_; }

 private:
  bool createMain();
  bool createSecondary(const Rect& rect);
  HWND createChild(HWND parent, const wchar_t* className, DWORD exStyle, int id);
  int barInnerCross(const Bar& bar) const;
  Size notifyFrame() const;

  HINSTANCE instance_;
  Options options_;
  Look look_;
  std::vector<Bar> bars_;  // [0] is the main taskbar
  zembrik::UniqueWindow panel_;
  zembrik::UniqueWindow tip_;
  FaultState faults_;
  PointerCounts pointerCounts_;
  unsigned generation_ = 0;
  int nativeClockDestroys_ = 0;
};

// Window procedures find the shell here (set from the creation parameter on WM_NCCREATE).
Shell* shellOf(HWND window, UINT message, LPARAM lParam);

// Wraps a handler so that no exception leaves a window procedure.
template <LRESULT (*Handle)(Shell&, HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK guardedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (auto* shell = shellOf(window, message, lParam))
      return Handle(*shell, window, message, wParam, lParam);
  } catch (...) {
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Sends the registered "TaskbarCreated" to every top-level window without waiting for anyone.
void broadcastTaskbarCreated();

// Misbehaviour on request: handles kMsgHang to kMsgResourceCounts sent to "Shell_TrayWnd".
LRESULT onFaultMessage(Shell& shell, UINT message, WPARAM wParam, LPARAM lParam);
// Answers kMsgTaskbarMenus to kMsgDateTimePanel sent to "Shell_TrayWnd".
LRESULT onPointerCountMessage(Shell& shell, UINT message, WPARAM wParam, LPARAM lParam);
// The native clock's answer to a tooltip's text request for its own window; false for others.
bool answerClockTipText(HWND clock, LPARAM lParam);

// True, once, when an armed restart-on-subclass is due (the loop then re-creates the tree).
bool takeDueRestartOnSubclass(Shell& shell);
// Called first by the procedures of the main taskbar, the notification area and the clocks for
// every message: when an armed restart-on-subclass is due, re-creates the tree right there, inside
// that message, as a shell does that re-creates its windows in response to one. True when it did:
// the window the message was for is gone, and the procedure must return without touching it.
bool restartNowIfDue(Shell& shell);

bool registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);
bool registerBarClasses(HINSTANCE instance);
bool registerClockClasses(HINSTANCE instance);
bool registerPanelClass(HINSTANCE instance);
HWND createDateTimePanel(Shell& shell, const RECT& anchor, bool vertical);
HWND createClockTip(Shell& shell);

// Messages received by each clock window's own procedure (standin_counts_win32.cpp).
void countClockMessage(HWND clock, UINT message);
LRESULT onCountMessage(Shell& shell, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace standin
