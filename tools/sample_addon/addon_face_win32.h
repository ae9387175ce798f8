#pragma once
// What the sample add-on reads and writes in the clock's settings: the running main clock from
// `this`, and its own face below the clock's set key.
#include <windows.h>

#include <cstdint>
#include <string>

namespace zembrik {

// The main taskbar's clock window as `this` reports it; null when no clock runs.
HWND runningClockWindow();

// Writes "addon_<id>" below the running clock's set key: one cell showing `text`. False when
// the settings cannot be written.
bool writeAddonFace(std::int32_t id, const std::u16string& text);

}  // namespace zembrik
