#pragma once
// What a click on the clock does and what its tooltip shows: the mouse-and-tooltip step of the
// settings load.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/format/zone_table.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

// One byte per button, shared by every clock of the process.
inline constexpr char kActionHost = 0;        // the host runs the configured command
inline constexpr char kActionCalendar = 's';  // the native clock's own click (system calendar)
inline constexpr char kActionTaskbarMenu = 'r';

struct MouseActions {
  char left = kActionCalendar;
  char middle = kActionHost;
  char right = kActionTaskbarMenu;

  bool operator==(const MouseActions&) const = default;
};

// From the settings root: "showCalendarOnRightKey" (or the generation's default when absent),
// then "MouseButtonL", "MouseButtonM" and "MouseButtonR" where stored as text.
MouseActions readMouseActions(RegistryKey& root, int osGeneration);

// "CustomTooltip" without its trailing control characters and spaces, compiled outside cell
// mode; its first segment. Empty when absent or when nothing is left.
std::u16string readTooltipFormat(RegistryKey& root, const ZoneTable& zones);

// Drops trailing characters with codes up to 32.
std::u16string_view trimTooltipText(std::u16string_view text) noexcept;

}  // namespace zembrik
