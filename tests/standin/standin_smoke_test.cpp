// Runs the stand-in taskbar as a child process under Wine and checks, from outside as the host
// and the hook library see it, what the shell's taskbar is relied upon for.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "tests/standin/standin_child.h"
#include "tools/standin_taskbar/standin_protocol.h"

namespace {

using namespace standin;
using namespace standin::testing;

bool contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

struct MainWindows {
  HWND taskbar, rebar, notifyArea, clock, showDesktop;
};

MainWindows findMainWindows() {
  MainWindows w{};
  // The lookups the hook library makes: empty titles where it passes one.
  w.taskbar = FindWindowA("Shell_TrayWnd", "");
  w.rebar = FindWindowExA(w.taskbar, nullptr, "ReBarWindow32", nullptr);
  w.notifyArea = FindWindowExA(w.taskbar, nullptr, "TrayNotifyWnd", "");
  w.clock = FindWindowExA(w.notifyArea, nullptr, "TrayClockWClass", nullptr);
  w.showDesktop = FindWindowExA(w.notifyArea, nullptr, "TrayShowDesktopButtonWClass", nullptr);
  return w;
}

TEST(StandinTaskbar, IsFoundBeforeWinesOwnTaskbarWithTheWholeTree) {
  StandinChild standin(L"");
  ASSERT_NE(standin.taskbar(), nullptr) << "the stand-in did not come up";
  auto w = findMainWindows();
  EXPECT_EQ(w.taskbar, standin.taskbar())
      << topLevelWindows(L"Shell_TrayWnd").size() << " Shell_TrayWnd windows";
  EXPECT_TRUE(GetWindowLongW(w.taskbar, GWL_EXSTYLE) & WS_EX_TOPMOST);
  ASSERT_NE(w.rebar, nullptr);
  ASSERT_NE(w.notifyArea, nullptr);
  ASSERT_NE(w.clock, nullptr);
  ASSERT_NE(w.showDesktop, nullptr);
  for (HWND window : {w.rebar, w.notifyArea, w.clock, w.showDesktop})
    EXPECT_EQ(threadOf(window), threadOf(w.taskbar));
  EXPECT_EQ(static_cast<HWND>(ULongToHandle(
                static_cast<ULONG>(SendMessageW(w.taskbar, kMsgGetClockWindow, 0, 0)))),
            w.clock);
}

TEST(StandinTaskbar, PlacesTheClockWithTheSizeItAnswersOnEveryEdge) {
  StandinChild standin(L"--edge=bottom");
  ASSERT_NE(standin.taskbar(), nullptr);
  for (auto edge : {Edge::Bottom, Edge::Left, Edge::Top, Edge::Right}) {
    SCOPED_TRACE(static_cast<int>(edge));
    ASSERT_EQ(SendMessageW(standin.taskbar(), kMsgMoveTaskbar, static_cast<WPARAM>(edge), 0), 1);
    auto w = findMainWindows();
    auto answer = static_cast<DWORD>(SendMessageW(w.clock, kMsgGetSize, 0, 0));
    RECT clock = windowRect(w.clock);
    EXPECT_EQ(clock.right - clock.left, LOWORD(answer));
    EXPECT_EQ(clock.bottom - clock.top, HIWORD(answer));
    EXPECT_TRUE(contains(windowRect(w.notifyArea), clock));
    EXPECT_TRUE(contains(windowRect(w.taskbar), windowRect(w.notifyArea)));
    // The hook library's orientation test must see the bar as it is.
    bool vertical = edge == Edge::Left || edge == Edge::Right;
    EXPECT_EQ(windowRect(w.rebar).bottom < clock.top, vertical);
    // The show-desktop button follows the clock.
    RECT button = windowRect(w.showDesktop);
    EXPECT_EQ(vertical ? button.top : button.left, vertical ? clock.bottom : clock.right);
    auto origin = static_cast<DWORD>(SendMessageW(w.taskbar, kMsgGetClockRect, 0, kRectOrigin));
    EXPECT_EQ(static_cast<short>(LOWORD(origin)), clock.left);
    EXPECT_EQ(static_cast<short>(HIWORD(origin)), clock.top);
  }
}

TEST(StandinTaskbar, HiddenShowDesktopButtonLeavesItsRoomToTheClock) {
  StandinChild standin(L"");
  ASSERT_NE(standin.taskbar(), nullptr);
  auto w = findMainWindows();
  ShowWindow(w.showDesktop, SW_HIDE);  // as the host does when asked to hide it
  ASSERT_EQ(SendMessageW(w.taskbar, kMsgRelayout, 0, 0), 1);
  EXPECT_EQ(windowRect(w.clock).right, windowRect(w.notifyArea).right);
}

TEST(StandinTaskbar, SecondaryTaskbarsHaveTheirClockAfterTheBand) {
  StandinChild standin(L"--secondary=0,0,600,30 --secondary=0,100,50,500");
  ASSERT_NE(standin.taskbar(), nullptr);
  auto secondaries = topLevelWindows(L"Shell_SecondaryTrayWnd");
  ASSERT_EQ(secondaries.size(), 2u);
  for (HWND bar : secondaries) {
    HWND clock = FindWindowExA(bar, nullptr, "ClockButton", nullptr);
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(threadOf(clock), threadOf(standin.taskbar()));
    EXPECT_EQ(GetWindowTextLengthW(bar), 0);
    HWND band = GetWindow(clock, GW_HWNDPREV);  // the neighbour the hook library resizes
    ASSERT_NE(band, nullptr);
    RECT barRect = windowRect(bar), clockRect = windowRect(clock), bandRect = windowRect(band);
    bool vertical = barRect.bottom - barRect.top > barRect.right - barRect.left;
    EXPECT_EQ(vertical ? clockRect.bottom : clockRect.right,
              vertical ? barRect.bottom : barRect.right);
    EXPECT_EQ(vertical ? bandRect.bottom : bandRect.right,
              vertical ? clockRect.top : clockRect.left);
  }
}

// A top-level window of the test that counts "TaskbarCreated" broadcasts.
class BroadcastListener {
 public:
  BroadcastListener() {
    static const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    message_ = taskbarCreated;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"StandinTestListener";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"listener", WS_OVERLAPPED, 0, 0, 10,
                              10, nullptr, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~BroadcastListener() { DestroyWindow(window_); }
  int count() const { return count_; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<BroadcastListener*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == self->message_)
      ++self->count_;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  HWND window_ = nullptr;
  UINT message_ = 0;
  int count_ = 0;
};

TEST(StandinTaskbar, RestartsBroadcastTaskbarCreated) {
  BroadcastListener listener;
  StandinChild standin(L"");
  ASSERT_NE(standin.taskbar(), nullptr);
  ASSERT_TRUE(waitFor([&] { return listener.count() == 1; })) << "no broadcast at start";

  HWND before = standin.taskbar();
  PostMessageW(before, kMsgRestart, 0, 0);
  ASSERT_TRUE(waitFor([&] { return listener.count() == 2; })) << "no broadcast after a restart";
  HWND after = findStandinTaskbar();
  EXPECT_NE(after, before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(processOf(after), standin.processId());

  PostMessageW(after, kMsgRestartProcess, 0, 0);
  ASSERT_TRUE(waitFor([&] { return listener.count() == 3; })) << "no broadcast from a new process";
  EXPECT_EQ(WaitForSingleObject(standin.process(), 5000), WAIT_OBJECT_0);
  HWND successor = findStandinTaskbar();
  ASSERT_NE(successor, nullptr);
  EXPECT_NE(processOf(successor), standin.processId());
  EXPECT_EQ(FindWindowA("Shell_TrayWnd", ""), successor);
}

LRESULT sendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 500, &answer))
    return -2;  // no answer in time
  return static_cast<LRESULT>(answer);
}

HWND clockOf(HWND taskbar, int index) {
  return static_cast<HWND>(
      ULongToHandle(static_cast<ULONG>(sendTo(taskbar, kMsgGetClockWindow, index))));
}

// The faults a real shell shows, each provoked on request and seen from outside.
TEST(StandinTaskbar, MisbehavesOnRequest) {
  struct Case {
    const char* name;
    const wchar_t* arguments;
    std::function<void(StandinChild&, BroadcastListener&)> check;
  };
  const Case cases[] = {
      {"a hang blocks sends until it ends", L"",
       [](StandinChild& standin, BroadcastListener&) {
         PostMessageW(standin.taskbar(), kMsgHang, 2500, 0);
         // A loaded machine may take a moment to deliver the hang itself.
         EXPECT_TRUE(waitFor([&] { return sendTo(standin.taskbar(), kMsgIdentify) == -2; }, 2000))
             << "answered while hung";
         EXPECT_TRUE(
             waitFor([&] { return sendTo(standin.taskbar(), kMsgIdentify) == kIdentity; }, 5000));
       }},
      {"death leaves no window and no WM_DESTROY work", L"",
       [](StandinChild& standin, BroadcastListener&) {
         HWND taskbar = standin.taskbar();
         PostMessageW(taskbar, kMsgDie, 0, 0);
         ASSERT_EQ(WaitForSingleObject(standin.process(), 5000), WAIT_OBJECT_0);
         DWORD code = 0;
         GetExitCodeProcess(standin.process(), &code);
         EXPECT_EQ(code, 99u);
         EXPECT_FALSE(IsWindow(taskbar));
       }},
      {"a broadcast re-creates nothing", L"",
       [](StandinChild& standin, BroadcastListener& listener) {
         const int before = listener.count();
         PostMessageW(standin.taskbar(), kMsgBroadcastTaskbarCreated, 0, 0);
         EXPECT_TRUE(waitFor([&] { return listener.count() == before + 1; }, 5000));
         EXPECT_EQ(findStandinTaskbar(), standin.taskbar());
       }},
      {"a foreign subclass forwards, counts and leaves politely", L"",
       [](StandinChild& standin, BroadcastListener&) {
         HWND taskbar = standin.taskbar();
         HWND clock = clockOf(taskbar, 0);
         const LRESULT nativeSize = sendTo(clock, kMsgGetSize);
         EXPECT_EQ(sendTo(taskbar, kMsgClockProcedureState, 0), kProcedureNative);
         ASSERT_EQ(sendTo(taskbar, kMsgForeignSubclass, 0, 1), 1);
         EXPECT_EQ(sendTo(taskbar, kMsgForeignSubclass, 0, 1), 0) << "installed twice";
         EXPECT_EQ(sendTo(taskbar, kMsgClockProcedureState, 0), kProcedureForeign);
         EXPECT_EQ(sendTo(clock, kMsgGetSize), nativeSize) << "not forwarded";
         EXPECT_GE(sendTo(taskbar, kMsgForeignSubclassCalls, 0), 1);
         EXPECT_EQ(sendTo(taskbar, kMsgForeignSubclass, 0, 0), 1);
         EXPECT_EQ(sendTo(taskbar, kMsgClockProcedureState, 0), kProcedureNative);
         EXPECT_EQ(sendTo(taskbar, kMsgForeignSubclass, 0, 0), 0) << "removed twice";
         EXPECT_EQ(sendTo(taskbar, kMsgClockProcedureState, 5), kProcedureNoTaskbar);
       }},
      {"armed, a secondary clock's subclass re-creates the tree once", L"--secondary=0,0,600,30",
       [](StandinChild& standin, BroadcastListener& listener) {
         HWND before = standin.taskbar();
         const int broadcasts = listener.count();
         PostMessageW(before, kMsgRestartOnSubclass, 1, 0);
         ASSERT_EQ(sendTo(before, kMsgForeignSubclass, 1, 1), 1);
         ASSERT_TRUE(waitFor([&] { return !IsWindow(before); }, 5000)) << "no restart";
         EXPECT_TRUE(waitFor([&] { return listener.count() == broadcasts + 1; }, 5000));
         // On a loaded machine the new tree may answer only a little later.
         HWND after = nullptr;
         waitFor([&] { return (after = findStandinTaskbar()) != nullptr; }, 5000);
         ASSERT_NE(after, nullptr);
         EXPECT_EQ(processOf(after), standin.processId());
         EXPECT_EQ(sendTo(after, kMsgClockProcedureState, 1), kProcedureNative);
         // Disarmed by the restart: the same fault again changes nothing.
         ASSERT_EQ(sendTo(after, kMsgForeignSubclass, 1, 1), 1);
         Sleep(1500);
         pumpMessages();
         EXPECT_EQ(findStandinTaskbar(), after);
       }},
      {"armed, the re-creation happens inside the message that finds it due",
       L"--secondary=0,0,600,30",
       [](StandinChild& standin, BroadcastListener&) {
         HWND before = standin.taskbar();
         HWND secondaryClock = clockOf(before, 1);
         // Queued behind a short hang, so that the stand-in takes all of them inside one
         // GetMessageW, where its loop cannot look in between.
         SendNotifyMessageW(before, kMsgHang, 300, 0);
         SendNotifyMessageW(before, kMsgRestartOnSubclass, 1, 0);
         SendNotifyMessageW(before, kMsgForeignSubclass, 1, 1);
         // The query passes the foreign procedure into the clock's own, which re-creates the tree
         // before it answers: by the time the answer arrives the old windows are gone.
         DWORD_PTR answer = 1;
         ASSERT_TRUE(SendMessageTimeoutW(secondaryClock, kMsgGetSize, 0, 0, SMTO_ABORTIFHUNG, 3000,
                                         &answer))
             << "the clock was gone before the query reached it";
         EXPECT_EQ(answer, 0u) << "answered by a clock that is still there";
         EXPECT_FALSE(IsWindow(secondaryClock));
         EXPECT_FALSE(IsWindow(before)) << "not re-created inside the message";
         HWND after = findStandinTaskbar();
         ASSERT_NE(after, nullptr);
         EXPECT_NE(after, before);
         EXPECT_EQ(processOf(after), standin.processId());
         EXPECT_EQ(sendTo(after, kMsgClockProcedureState, 1), kProcedureNative);
       }},
      {"self-layout moves the clock as icons come and go", L"",
       [](StandinChild& standin, BroadcastListener&) {
         HWND clock = clockOf(standin.taskbar(), 0);
         ASSERT_EQ(sendTo(standin.taskbar(), kMsgSelfLayout, 50), 1);
         std::set<LONG> lefts;
         waitFor([&] { return lefts.insert(windowRect(clock).left), lefts.size() >= 2; }, 3000);
         EXPECT_EQ(lefts.size(), 2u) << "the clock never moved";
         ASSERT_EQ(sendTo(standin.taskbar(), kMsgSelfLayout, 0), 1);
         Sleep(200);
         const LONG stopped = windowRect(clock).left;
         Sleep(300);
         EXPECT_EQ(windowRect(clock).left, stopped) << "still laying out";
       }},
      {"resource counts are the stand-in's own and steady", L"",
       [](StandinChild& standin, BroadcastListener&) {
         for (unsigned which : {kCountGdi, kCountUser, kCountHandles}) {
           SCOPED_TRACE(which);
           const LRESULT first = sendTo(standin.taskbar(), kMsgResourceCounts, which);
           EXPECT_GT(first, 0) << "no honest count";
           EXPECT_EQ(sendTo(standin.taskbar(), kMsgResourceCounts, which), first);
         }
         // Its taskbar, band, notification area, pager, clock and show-desktop button at least.
         EXPECT_GE(sendTo(standin.taskbar(), kMsgResourceCounts, kCountUser), 6);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    BroadcastListener listener;
    StandinChild standin(c.arguments);
    ASSERT_NE(standin.taskbar(), nullptr);
    c.check(standin, listener);
  }
}

TEST(StandinTaskbar, OpensTheDateTimePanelAndShowsTheNativeTip) {
  StandinChild standin(L"");
  ASSERT_NE(standin.taskbar(), nullptr);
  auto w = findMainWindows();
  auto visible = [](const wchar_t* className) {
    HWND window = FindWindowW(className, nullptr);
    return window && IsWindowVisible(window);
  };

  PostMessageW(w.taskbar, WM_COMMAND, kCommandDateTime, 0);
  ASSERT_TRUE(waitFor([&] { return visible(kDateTimePanelClass); }, 5000));
  PostMessageW(FindWindowW(kDateTimePanelClass, nullptr), WM_CLOSE, 0, 0);
  ASSERT_TRUE(waitFor([&] { return !FindWindowW(kDateTimePanelClass, nullptr); }, 5000));

  SendMessageW(w.clock, kMsgClickAction, 0, 0);  // the native click action opens it too
  EXPECT_TRUE(visible(kDateTimePanelClass));

  SendMessageW(w.clock, kMsgNativeTip, 1, 0);
  EXPECT_TRUE(visible(kClockTipClass));
  SendMessageW(w.clock, kMsgNativeTip, 0, 0);
  EXPECT_FALSE(visible(kClockTipClass));
}

TEST(StandinTaskbar, Generation7NotificationAreaAnswersTheSizeQuery) {
  StandinChild standin(L"--generation7");
  ASSERT_NE(standin.taskbar(), nullptr);
  auto w = findMainWindows();
  auto answer = static_cast<DWORD>(SendMessageW(w.notifyArea, kMsgGetSize, 0, 0));
  RECT notify = windowRect(w.notifyArea);
  EXPECT_EQ(LOWORD(answer), notify.right - notify.left);
  EXPECT_EQ(HIWORD(answer), notify.bottom - notify.top);
  auto clockAnswer = static_cast<DWORD>(SendMessageW(w.clock, kMsgGetSize, 0, 0));
  RECT clock = windowRect(w.clock);
  EXPECT_EQ(clock.right - clock.left, LOWORD(clockAnswer));
}

TEST(StandinTaskbar, LookOptionsAndLayeredStyle) {
  {
    StandinChild standin(L"");
    ASSERT_NE(standin.taskbar(), nullptr);
    auto w = findMainWindows();
    EXPECT_EQ(SendMessageW(w.notifyArea, kMsgGetSize, 0, 0), 0) << "only generation 7 answers";
    EXPECT_FALSE(GetWindowLongW(w.notifyArea, GWL_EXSTYLE) & WS_EX_STATICEDGE);
    // The host makes the taskbar translucent from its own process.
    LONG style = GetWindowLongW(w.taskbar, GWL_EXSTYLE);
    SetWindowLongW(w.taskbar, GWL_EXSTYLE, style | WS_EX_LAYERED);
    EXPECT_TRUE(SetLayeredWindowAttributes(w.taskbar, 0, 200, LWA_ALPHA));
  }
  StandinChild classic(L"--classic --no-show-desktop --edge=left");
  ASSERT_NE(classic.taskbar(), nullptr);
  auto w = findMainWindows();
  EXPECT_TRUE(GetWindowLongW(w.notifyArea, GWL_EXSTYLE) & WS_EX_STATICEDGE);
  EXPECT_EQ(w.showDesktop, nullptr);
  auto answer = static_cast<DWORD>(SendMessageW(w.clock, kMsgGetSize, 0, 0));
  EXPECT_EQ(static_cast<DWORD>(SendMessageW(w.taskbar, kMsgGetClockRect, 0, kRectSize)), answer);
}

}  // namespace
