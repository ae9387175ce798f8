#pragma once
// Owners of what a program binds to a window or an instance: a timer, a registered window class,
// a replaced window procedure. Each undoes its binding once, at its end or at an explicit reset.
#include <windows.h>

namespace zembrik {

// SetTimer on a window and id; KillTimer with the same pair at the end. A thread timer (no
// window) is not for this owner: its id is chosen by the system.
class UniqueTimer {
 public:
  UniqueTimer() noexcept = default;
  // active() tells whether SetTimer succeeded.
  UniqueTimer(HWND window, UINT_PTR id, UINT milliseconds, TIMERPROC procedure = nullptr) noexcept;
  ~UniqueTimer() { reset(); }
  UniqueTimer(UniqueTimer&& other) noexcept;
  // `timer = UniqueTimer(window, id, ms)` re-arms a timer of the same window and id: SetTimer
  // replaced it, and the assignment does not kill the new one.
  UniqueTimer& operator=(UniqueTimer&& other) noexcept;
  UniqueTimer(const UniqueTimer&) = delete;
  UniqueTimer& operator=(const UniqueTimer&) = delete;

  bool active() const noexcept { return window_ != nullptr; }
  HWND window() const noexcept { return window_; }
  UINT_PTR id() const noexcept { return id_; }
  // Kills the timer now; a WM_TIMER already posted may still arrive.
  void reset() noexcept;

 private:
  HWND window_ = nullptr;
  UINT_PTR id_ = 0;
};

// A window class registered for an instance, unregistered at the end. Unregistering fails while
// windows of the class exist: make the class before its windows, so that it goes after them.
class RegisteredClass {
 public:
  RegisteredClass() noexcept = default;
  explicit RegisteredClass(const WNDCLASSA& windowClass) noexcept;
  explicit RegisteredClass(const WNDCLASSW& windowClass) noexcept;
  explicit RegisteredClass(const WNDCLASSEXW& windowClass) noexcept;
  ~RegisteredClass() { reset(); }
  RegisteredClass(RegisteredClass&& other) noexcept;
  RegisteredClass& operator=(RegisteredClass&& other) noexcept;
  RegisteredClass(const RegisteredClass&) = delete;
  RegisteredClass& operator=(const RegisteredClass&) = delete;

  // 0 when registering failed (for example because the class exists already: then this owner
  // owns nothing and leaves it registered).
  ATOM atom() const noexcept { return atom_; }
  explicit operator bool() const noexcept { return atom_ != 0; }
  void reset() noexcept;

 private:
  ATOM atom_ = 0;
  HINSTANCE instance_ = nullptr;
};

// A window procedure set with SetWindowLongPtrA(GWLP_WNDPROC) over the window's own.
//
// At the end (or reset) the previous procedure is put back only while the window still runs the
// one this owner set. When another procedure was set over it since, the window is left alone:
// putting ours back would cut the later procedure out of its chain. The window then keeps
// calling the later procedure, which passes messages on to the one set here, so that procedure
// (and its module) must stay callable for the window's life. A destroyed window is left alone
// as well.
class Subclass {
 public:
  Subclass() noexcept = default;
  // active() tells whether the procedure was set.
  Subclass(HWND window, WNDPROC procedure) noexcept;
  ~Subclass() { reset(); }
  Subclass(Subclass&& other) noexcept;
  Subclass& operator=(Subclass&& other) noexcept;
  Subclass(const Subclass&) = delete;
  Subclass& operator=(const Subclass&) = delete;

  bool active() const noexcept { return window_ != nullptr; }
  HWND window() const noexcept { return window_; }
  // The procedure that was replaced: messages the new one does not handle go there through
  // CallWindowProcA. Stays readable after reset, for messages still on their way.
  WNDPROC previous() const noexcept { return previous_; }
  // True when the window still runs the procedure set here.
  bool inPlace() const noexcept;
  // Puts the previous procedure back as described above; true when it did.
  bool reset() noexcept;

 private:
  HWND window_ = nullptr;
  WNDPROC procedure_ = nullptr;
  WNDPROC previous_ = nullptr;
};

}  // namespace zembrik
