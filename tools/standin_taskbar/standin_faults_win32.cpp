// Misbehaviour on request: the faults a real shell shows (a hang, a crash, a broadcast without a
// restart, a restart in the middle of an attach, another program's subclass on a clock, a layout
// of its own) and the stand-in's resource counts, so that tests can provoke and watch them.

#include <map>

#include "tools/standin_taskbar/standin_shell_win32.h"

namespace standin {
namespace {

// Exit code of a stand-in that was told to die.
constexpr UINT kDiedExitCode = 99;

// Another program's subclass of one clock window. The foreign procedure has nothing but the
// window handle to find its state by, so the records live here, for the stand-in's one thread.
struct ForeignSubclass {
  WNDPROC replaced = nullptr;
  bool installed = false;
  long calls = 0;
};
std::map<HWND, ForeignSubclass> foreignSubclasses;

LRESULT CALLBACK foreignProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto found = foreignSubclasses.find(window);
  if (found == foreignSubclasses.end())
    return DefWindowProcW(window, message, wParam, lParam);
  ++found->second.calls;
  WNDPROC replaced = found->second.replaced;
  // The window goes away: its handle may come back for another window.
  if (message == WM_NCDESTROY)
    foreignSubclasses.erase(found);
  return CallWindowProcW(replaced, window, message, wParam, lParam);
}

long procedureState(HWND clock) {
  const auto current = GetWindowLongPtrW(clock, GWLP_WNDPROC);
  if (current == static_cast<LONG_PTR>(GetClassLongPtrW(clock, GCLP_WNDPROC)))
    return kProcedureNative;
  if (current == reinterpret_cast<LONG_PTR>(foreignProcedure))
    return kProcedureForeign;
  return kProcedureOther;
}

LRESULT installForeign(HWND clock) {
  ForeignSubclass& record = foreignSubclasses[clock];
  if (record.installed)
    return 0;
  record.calls = 0;
  record.replaced = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(clock, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(foreignProcedure)));
  record.installed = record.replaced != nullptr;
  return record.installed ? 1 : 0;
}

LRESULT removeForeign(HWND clock) {
  auto found = foreignSubclasses.find(clock);
  if (found == foreignSubclasses.end() || !found->second.installed)
    return 0;
  // Someone subclassed on top of it: taking it out now would cut that one off too.
  if (procedureState(clock) != kProcedureForeign)
    return 0;
  SetWindowLongPtrW(clock, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(found->second.replaced));
  found->second.installed = false;
  return 1;
}

// The objects of this process in the GDI handle table. Wine 8's GetGuiResources is a stub that
// returns 0 (last error ERROR_CALL_NOT_IMPLEMENTED) for GDI and USER objects alike. Wine keeps a
// GDI table per process and accepts a bare table index as a handle (a zero upper word matches
// any generation), so GetObjectType on every index counts the live objects, stock objects
// included. On Windows GetGuiResources answers and this is not used.
DWORD probeGdiObjects() {
  DWORD count = 0;
  for (ULONG index = 1; index < 0x10000; ++index) count += GetObjectType(ULongToHandle(index)) != 0;
  return count;
}

BOOL CALLBACK countWindow(HWND window, LPARAM counter) {
  ++*reinterpret_cast<DWORD*>(counter);
  EnumChildWindows(window, countWindow, counter);
  return TRUE;
}

// Wine 8 has no count of USER objects either; the stand-in's windows, the objects that a
// stand-in and a hook library inside it create and lose, stand in for it.
DWORD countOwnWindows() {
  DWORD count = 0;
  EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Wine 8's GetProcessHandleCount succeeds with 0 (the query behind it is a stub). Its handles are
// multiples of four from four up, so GetHandleInformation on each value counts them; the probe
// ends after a long run of free values past the last one in use.
DWORD probeKernelHandles() {
  DWORD count = 0;
  ULONG_PTR sinceLast = 0;
  for (ULONG_PTR value = 4; value < 0x40000 && sinceLast < 0x1000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
      ++count;
      sinceLast = 0;
    } else {
      sinceLast += 4;
    }
  }
  return count;
}

LRESULT resourceCount(WPARAM which) {
  HANDLE self = GetCurrentProcess();
  switch (which) {
    case kCountGdi: {
      DWORD count = GetGuiResources(self, GR_GDIOBJECTS);
      return static_cast<LRESULT>(count != 0 ? count : probeGdiObjects());
    }
    case kCountUser: {
      DWORD count = GetGuiResources(self, GR_USEROBJECTS);
      return static_cast<LRESULT>(count != 0 ? count : countOwnWindows());
    }
    case kCountHandles: {
      DWORD count = 0;
      // A live process has handles of its own: 0 is no answer.
      if (!GetProcessHandleCount(self, &count) || count == 0)
        count = probeKernelHandles();
      return static_cast<LRESULT>(count);
    }
  }
  return -1;
}

}  // namespace

LRESULT onFaultMessage(Shell& shell, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgHang:
      Sleep(static_cast<DWORD>(wParam));
      return 0;
    case kMsgDie:
      TerminateProcess(GetCurrentProcess(), kDiedExitCode);
      return 0;
    case kMsgBroadcastTaskbarCreated:
      broadcastTaskbarCreated();
      return 1;
    case kMsgRestartOnSubclass:
      shell.faults().restartOnSubclassArmed = wParam != 0;
      return 1;
    case kMsgForeignSubclass: {
      Bar* bar = shell.barAt(wParam);
      if (!bar)
        return 0;
      return lParam != 0 ? installForeign(bar->clock) : removeForeign(bar->clock);
    }
    case kMsgForeignSubclassCalls: {
      Bar* bar = shell.barAt(wParam);
      auto found = bar ? foreignSubclasses.find(bar->clock) : foreignSubclasses.end();
      return found != foreignSubclasses.end() ? found->second.calls : 0;
    }
    case kMsgClockProcedureState: {
      Bar* bar = shell.barAt(wParam);
      return bar ? procedureState(bar->clock) : kProcedureNoTaskbar;
    }
    case kMsgSelfLayout:
      shell.setSelfLayout(static_cast<int>(wParam));
      return 1;
    case kMsgResourceCounts:
      return resourceCount(wParam);
  }
  return 0;
}

bool takeDueRestartOnSubclass(Shell& shell) {
  FaultState& faults = shell.faults();
  Bar* main = shell.barAt(0);
  if (!faults.restartOnSubclassArmed || !main || procedureState(main->clock) != kProcedureNative)
    return false;
  for (std::size_t index = 1; Bar* bar = shell.barAt(index); ++index) {
    if (procedureState(bar->clock) != kProcedureNative) {
      faults.restartOnSubclassArmed = false;
      return true;
    }
  }
  return false;
}

bool restartNowIfDue(Shell& shell) {
  if (!takeDueRestartOnSubclass(shell))
    return false;
  shell.destroyWindows();
  // A failed creation is left to the loop, which tries once more and ends the process otherwise.
  if (!shell.createWindows())
    shell.requestLoopAction(LoopAction::Restart);
  return true;
}

}  // namespace standin
