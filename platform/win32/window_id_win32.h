#pragma once
// Window handles as the engine carries them: a number and the handle width of this build.
#include <windows.h>

#include <cstdint>

#include "engine/settings/clock_config.h"

namespace zembrik {

inline WindowId windowIdOf(HWND window) noexcept {
  return WindowId{static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window)),
                  static_cast<unsigned>(sizeof(HWND) * 8)};
}

inline HWND windowFromId(std::uint64_t id) noexcept {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(id));
}

}  // namespace zembrik
