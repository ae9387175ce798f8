// Loads a probe into the stand-in's taskbar thread with a WH_CALLWNDPROC hook, the way the hook
// library gets in, and checks what the clock and the notification area receive there.

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/proc_address_win32.h"
#include "tests/standin/standin_child.h"
#include "tests/standin/standin_probe.h"
#include "tools/standin_taskbar/standin_protocol.h"

namespace {

using namespace standin;
using namespace standin::testing;
using namespace standin::probe;

struct Event {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The window the probe posts to, and the hook that loads the probe.
class Probe {
 public:
  explicit Probe(HWND taskbar) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kProbeListenerClass;
    RegisterClassW(&windowClass);
    listener_ = CreateWindowExW(0, kProbeListenerClass, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(listener_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    module_ = LoadLibraryW(STANDIN_PROBE_DLL);
    auto hook = zembrik::procAddress<HOOKPROC>(module_, kHookProcedureName);
    if (hook)
      hook_ = SetWindowsHookExW(WH_CALLWNDPROC, hook, module_, threadOf(taskbar));
  }
  ~Probe() {
    if (hook_)
      UnhookWindowsHookEx(hook_);
    if (module_)
      FreeLibrary(module_);
    DestroyWindow(listener_);
  }
  bool installed() const { return hook_ != nullptr; }
  std::vector<Event>& events() { return events_; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Probe*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message >= kProposal && message <= kPixel)
      self->events_.push_back({message, wParam, lParam});
    return DefWindowProcW(window, message, wParam, lParam);
  }
  HWND listener_ = nullptr;
  HMODULE module_ = nullptr;
  HHOOK hook_ = nullptr;
  std::vector<Event> events_;
};

struct Windows {
  HWND taskbar, notifyArea, clock;
};

Windows findWindows() {
  HWND taskbar = FindWindowA("Shell_TrayWnd", "");
  HWND notify = FindWindowExA(taskbar, nullptr, "TrayNotifyWnd", "");
  return {taskbar, notify, FindWindowExA(notify, nullptr, "TrayClockWClass", nullptr)};
}

// The probe must see the layout place the clock with the size it answers, and on generation 7
// the pager's size calculation must come after the clock's placement (the hook library moves the
// clock's neighbours on it).
TEST(StandinProbe, ClockReceivesItsSizeAsAProposal) {
  for (bool generation7 : {false, true}) {
    SCOPED_TRACE(generation7);
    StandinChild standin(generation7 ? L"--generation7" : L"");
    ASSERT_NE(standin.taskbar(), nullptr);
    auto w = findWindows();
    Probe probe(w.taskbar);
    ASSERT_TRUE(probe.installed());
    auto answer = static_cast<DWORD>(SendMessageW(w.clock, kMsgGetSize, 0, 0));  // loads the probe
    ASSERT_EQ(SendMessageW(w.taskbar, kMsgRelayout, 0, 0), 1);
    PostMessageW(w.taskbar, WM_SIZE, 0, 0);  // the hook library's way of asking for a re-layout
    SendMessageW(w.taskbar, kMsgIdentify, 0, 0);
    ASSERT_TRUE(waitFor([&] { return probe.events().size() >= (generation7 ? 4u : 2u); }, 5000));
    pumpMessages();
    const auto& events = probe.events();
    int proposals = 0, calcSizes = 0;
    for (const auto& e : events) {
      if (e.message == kProposal) {
        ++proposals;
        EXPECT_EQ(e.wParam, LOWORD(answer));
        EXPECT_EQ(static_cast<DWORD>(e.lParam), HIWORD(answer));
      }
      if (e.message == kCalcSize)
        ++calcSizes;
    }
    EXPECT_GE(proposals, 2);
    EXPECT_EQ(calcSizes, generation7 ? proposals : 0);
    if (generation7) {
      EXPECT_EQ(events.back().message, kCalcSize);
    }
  }
}

// What the notification area paints into a given DC is what the screen shows, so a background
// captured through WM_PRINTCLIENT lines up with the bar, gradient and all.
TEST(StandinProbe, NotificationAreaPrintsWhatTheScreenShows) {
  StandinChild standin(L"--background=gradient");
  ASSERT_NE(standin.taskbar(), nullptr);
  auto w = findWindows();
  Probe probe(w.taskbar);
  ASSERT_TRUE(probe.installed());
  RECT client{};
  GetClientRect(w.notifyArea, &client);
  POINT origin{0, 0};
  ClientToScreen(w.notifyArea, &origin);
  const UINT printRequest = RegisterWindowMessageW(kPrintRequestName);
  HDC screen = GetDC(nullptr);
  std::vector<COLORREF> printed;
  for (int y : {1, static_cast<int>(client.bottom) / 2, static_cast<int>(client.bottom) - 2}) {
    SCOPED_TRACE(y);
    int x = 4;  // over the pager's left margin, where no icon is drawn
    probe.events().clear();
    SendMessageW(w.notifyArea, printRequest, MAKEWPARAM(x, y), 0);
    ASSERT_TRUE(waitFor([&] { return !probe.events().empty(); }, 5000));
    auto colour = static_cast<COLORREF>(probe.events().front().wParam);
    EXPECT_EQ(colour, GetPixel(screen, origin.x + x, origin.y + y));
    EXPECT_EQ(colour, GetPixel(screen, origin.x - 3, origin.y + y)) << "the band does not match";
    printed.push_back(colour);
  }
  ReleaseDC(nullptr, screen);
  EXPECT_NE(printed.front(), printed.back()) << "the gradient is flat";
}

}  // namespace
