#include "hook/addon_click.h"

namespace zembrik {

std::optional<AddonClick> addonUnderClick(const ClockInstance& /*clock*/, WPARAM /*wParam*/,
                                          LPARAM /*lParam*/) {
  return std::nullopt;
}

}  // namespace zembrik
