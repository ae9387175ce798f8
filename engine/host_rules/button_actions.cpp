#include "engine/host_rules/button_actions.h"

#include "engine/host_rules/taskbar_transparency.h"
#include "engine/registry/registry_access.h"

namespace zembrik {

namespace {

constexpr char16_t kProgramMark = u'\u0001';
constexpr std::array<std::u16string_view, 3> kButtonValueNames = {u"MouseButtonL", u"MouseButtonM",
                                                                  u"MouseButtonR"};

std::u16string_view trimSpaces(std::u16string_view text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos)
    return {};
  const auto last = text.find_last_not_of(u' ');
  return text.substr(first, last - first + 1);
}

ProgramValue trimmed(std::u16string_view program, std::u16string_view parameters) {
  return {std::u16string(trimSpaces(program)), std::u16string(trimSpaces(parameters))};
}

}  // namespace

ProgramValue splitProgramValue(std::u16string_view value) {
  const auto start = value.find_first_not_of(u' ');
  if (start == std::u16string_view::npos)
    return {};
  value.remove_prefix(start);
  if (value.front() == u'*')
    return {};

  if (const auto mark = value.find(kProgramMark); mark != std::u16string_view::npos) {
    return trimmed(value.substr(0, mark), value.substr(mark + 1));
  }
  if (value.front() == u'"') {
    const auto close = value.find(u'"', 1);
    if (close == std::u16string_view::npos)
      return trimmed(value.substr(1), {});
    if (close == 1)
      return {};
    return trimmed(value.substr(1, close - 1), value.substr(close + 1));
  }
  if (const auto space = value.find(u' '); space != std::u16string_view::npos) {
    return trimmed(value.substr(0, space), value.substr(space + 1));
  }
  return trimmed(value, {});
}

ButtonAction actionFromValue(std::u16string_view value) {
  ButtonAction action;
  if (value == u"*s")
    action.kind = ButtonActionKind::SystemCalendar;
  else if (value == u"*c")
    action.kind = ButtonActionKind::InternalCalendar;
  else if (value == u"*m")
    action.kind = ButtonActionKind::Menu;
  auto split = splitProgramValue(value);
  action.program = std::move(split.program);
  action.parameters = std::move(split.parameters);
  return action;
}

std::array<ButtonAction, 3> defaultButtonActions(
    std::optional<std::uint32_t> showCalendarOnRightKey, bool legacyMode) {
  const bool calendarOnRight = showCalendarOnRightKey ? *showCalendarOnRightKey != 0 : !legacyMode;
  std::array<ButtonAction, 3> actions;
  auto& left = actions[static_cast<int>(MouseButton::Left)];
  auto& right = actions[static_cast<int>(MouseButton::Right)];
  left.kind =
      calendarOnRight ? ButtonActionKind::SystemCalendar : ButtonActionKind::InternalCalendar;
  actions[static_cast<int>(MouseButton::Middle)].kind = ButtonActionKind::Menu;
  right.kind =
      calendarOnRight ? ButtonActionKind::InternalCalendar : ButtonActionKind::SystemCalendar;
  return actions;
}

HostSettings readHostSettings(RegistryKey& settingsRoot, bool legacyMode) {
  HostSettings settings;
  settings.buttons =
      defaultButtonActions(readNumber(settingsRoot, u"showCalendarOnRightKey"), legacyMode);
  for (std::size_t i = 0; i < kButtonValueNames.size(); ++i) {
    if (auto value = readText(settingsRoot, kButtonValueNames[i])) {
      settings.buttons[i] = actionFromValue(*value);
    }
  }
  settings.restartOnShellRestart = readNumber(settingsRoot, u"restart").value_or(0) != 0;
  settings.transparencyAlpha =
      alphaFromPercent(readNumber(settingsRoot, u"transparentTaskBar").value_or(0));
  return settings;
}

}  // namespace zembrik
