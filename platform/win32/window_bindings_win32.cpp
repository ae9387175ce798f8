#include "platform/win32/window_bindings_win32.h"

#include <utility>

namespace zembrik {

UniqueTimer::UniqueTimer(HWND window, UINT_PTR id, UINT milliseconds,
                         TIMERPROC procedure) noexcept {
  if (window != nullptr && SetTimer(window, id, milliseconds, procedure) != 0) {
    window_ = window;
    id_ = id;
  }
}

UniqueTimer::UniqueTimer(UniqueTimer&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)), id_(std::exchange(other.id_, 0)) {}

UniqueTimer& UniqueTimer::operator=(UniqueTimer&& other) noexcept {
  if (this != &other) {
    // Re-arming (a new owner of the same window and id) replaced the timer already: killing
    // ours would kill the new one.
    if (window_ == other.window_ && id_ == other.id_)
      window_ = nullptr;
    reset();
    window_ = std::exchange(other.window_, nullptr);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

void UniqueTimer::reset() noexcept {
  if (window_ != nullptr)
    KillTimer(std::exchange(window_, nullptr), id_);
  id_ = 0;
}

RegisteredClass::RegisteredClass(const WNDCLASSA& windowClass) noexcept
    : atom_(RegisterClassA(&windowClass)), instance_(windowClass.hInstance) {}

RegisteredClass::RegisteredClass(const WNDCLASSW& windowClass) noexcept
    : atom_(RegisterClassW(&windowClass)), instance_(windowClass.hInstance) {}

RegisteredClass::RegisteredClass(const WNDCLASSEXW& windowClass) noexcept
    : atom_(RegisterClassExW(&windowClass)), instance_(windowClass.hInstance) {}

RegisteredClass::RegisteredClass(RegisteredClass&& other) noexcept
    : atom_(std::exchange(other.atom_, 0)), instance_(other.instance_) {}

RegisteredClass& RegisteredClass::operator=(RegisteredClass&& other) noexcept {
  if (this != &other) {
    reset();
    atom_ = std::exchange(other.atom_, 0);
    instance_ = other.instance_;
  }
  return *this;
}

void RegisteredClass::reset() noexcept {
  if (atom_ != 0)
    UnregisterClassW(MAKEINTATOM(std::exchange(atom_, 0)), instance_);
}

namespace {

WNDPROC procedureOf(HWND window) noexcept {
  // The A form on both sides: asked with the W form, a procedure set with the A form may come
  // back as a translation handle instead of its address.
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

WNDPROC setProcedure(HWND window, WNDPROC procedure) noexcept {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

}  // namespace

Subclass::Subclass(HWND window, WNDPROC procedure) noexcept {
  if (window == nullptr || procedure == nullptr)
    return;
  // SetWindowLongPtr returns 0 both on failure and when the old value was 0; only the error
  // code tells them apart.
  SetLastError(ERROR_SUCCESS);
  WNDPROC replaced = setProcedure(window, procedure);
  if (replaced == nullptr && GetLastError() != ERROR_SUCCESS)
    return;
  window_ = window;
  procedure_ = procedure;
  previous_ = replaced;
}

Subclass::Subclass(Subclass&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)),
      procedure_(other.procedure_),
      previous_(other.previous_) {}

Subclass& Subclass::operator=(Subclass&& other) noexcept {
  if (this != &other) {
    reset();
    window_ = std::exchange(other.window_, nullptr);
    procedure_ = other.procedure_;
    previous_ = other.previous_;
  }
  return *this;
}

bool Subclass::inPlace() const noexcept {
  return window_ != nullptr && IsWindow(window_) && procedureOf(window_) == procedure_;
}

bool Subclass::reset() noexcept {
  if (window_ == nullptr)
    return false;
  const bool restore = inPlace();
  if (restore)
    setProcedure(window_, previous_);
  window_ = nullptr;
  return restore;
}

}  // namespace zembrik
