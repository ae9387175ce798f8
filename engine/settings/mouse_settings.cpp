#include "engine/settings/mouse_settings.h"

#include "engine/format/format_compile.h"
#include "engine/registry/registry_access.h"

namespace zembrik {

namespace {

// Only the two built-in codes name an action of the library; any other text (empty, another
// "*" code, a command line) is the host's to run.
void overrideByText(RegistryKey& root, std::u16string_view name, char& action) {
  std::optional<std::u16string> text = readText(root, name);
  if (!text)
    return;
  if (*text == u"*s") {
    action = kActionCalendar;
  } else if (*text == u"*r") {
    action = kActionTaskbarMenu;
  } else {
    action = kActionHost;
  }
}

}  // namespace

MouseActions readMouseActions(RegistryKey& root, int osGeneration) {
  MouseActions actions;
  actions.middle = kActionHost;
  if (std::optional<std::uint32_t> onRight = readNumber(root, u"showCalendarOnRightKey")) {
    actions.left = *onRight != 0 ? kActionCalendar : kActionHost;
    actions.right = *onRight != 0 ? kActionHost : kActionCalendar;
  } else if (osGeneration < 2) {
    actions.left = kActionHost;
    actions.right = kActionCalendar;
  } else {
    actions.left = kActionCalendar;
    actions.right = kActionTaskbarMenu;
  }
  overrideByText(root, u"MouseButtonL", actions.left);
  overrideByText(root, u"MouseButtonM", actions.middle);
  overrideByText(root, u"MouseButtonR", actions.right);
  return actions;
}

std::u16string_view trimTooltipText(std::u16string_view text) noexcept {
  while (!text.empty() && text.back() <= 32) text.remove_suffix(1);
  return text;
}

std::u16string readTooltipFormat(RegistryKey& root, const ZoneTable& zones) {
  std::optional<std::u16string> text = readText(root, u"CustomTooltip");
  if (!text)
    return {};
  std::u16string_view trimmed = trimTooltipText(*text);
  if (trimmed.empty())
    return {};
  CompiledFormat segments;
  compileFormat(trimmed, segments, /*cellMode=*/false, zones);
  return segments.empty() ? std::u16string() : std::move(segments.front());
}

}  // namespace zembrik
