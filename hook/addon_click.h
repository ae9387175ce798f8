#pragma once
// Which add-on, if any, owns the cells under a click on the clock.
#include <windows.h>

#include <optional>

namespace zembrik {

struct ClockInstance;

struct AddonClick {
  HWND window = nullptr;
  WPARAM wParam = 0;  // the clock's wParam with the add-on marker
  LPARAM lParam = 0;  // the click within the add-on's cells
};

// The add-on whose cells lie under the click at `lParam` (clock client coordinates). No add-on
// has cells on the face yet, so no click lands on one.
std::optional<AddonClick> addonUnderClick(const ClockInstance& clock, WPARAM wParam, LPARAM lParam);

}  // namespace zembrik
