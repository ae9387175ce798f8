#pragma once
// What a forwarded click does in the host, per mouse button, and the host's own settings.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/registry/registry_key.h"

namespace zembrik {

enum class MouseButton { Left = 0, Middle = 1, Right = 2 };

enum class ButtonActionKind {
  Program,           // anything but the codes below: a program to start (none when empty)
  SystemCalendar,    // "*s": the shell's date and time panel
  InternalCalendar,  // "*c": the host's calendar popup
  Menu,              // "*m": the host's popup menu
};

struct ButtonAction {
  ButtonActionKind kind = ButtonActionKind::Program;
  std::u16string program;     // the program to start...
  std::u16string parameters;  // ...with these parameters
  bool operator==(const ButtonAction&) const = default;
};

struct ProgramValue {
  std::u16string program;
  std::u16string parameters;
  bool operator==(const ProgramValue&) const = default;
};

// Splits a mouse-button value into program and parameters. Tried in order: program U+0001
// parameters; a quoted program followed by parameters; program up to the first space. A value
// whose first non-blank character is '*' carries no program. Both parts are trimmed of spaces.
ProgramValue splitProgramValue(std::u16string_view value);

// The action of one stored value ("*s", "*c", "*m" compared whole and case-sensitively).
ButtonAction actionFromValue(std::u16string_view value);

struct HostSettings {
  std::array<ButtonAction, 3> buttons;  // indexed by MouseButton
  bool restartOnShellRestart = false;   // `restart`
  std::uint32_t transparencyAlpha = 0;  // from `transparentTaskBar`; 256 or more is ignored

  const ButtonAction& button(MouseButton b) const { return buttons[static_cast<int>(b)]; }
};

// The actions of buttons without a stored value. `showCalendarOnRightKey` chooses between the
// shell's panel and the calendar popup for the left and right buttons; without it, legacy
// systems open the popup on the left button and newer ones on the right. Middle: the menu.
std::array<ButtonAction, 3> defaultButtonActions(
    std::optional<std::uint32_t> showCalendarOnRightKey, bool legacyMode);

// Reads `MouseButtonL/M/R`, `showCalendarOnRightKey`, `restart` and `transparentTaskBar` from
// the settings root. Absent values take their defaults.
HostSettings readHostSettings(RegistryKey& settingsRoot, bool legacyMode);

}  // namespace zembrik
