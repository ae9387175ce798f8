#include "engine/options/page_customization_model.h"

#include "engine/registry/registry_access.h"

namespace zembrik {

namespace {

constexpr char16_t kProgramSeparator = u'\u0001';

bool isWhiteSpace(char16_t c) noexcept {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

std::u16string_view withoutLeadingWhiteSpace(std::u16string_view text) noexcept {
  std::size_t start = 0;
  while (start < text.size() && isWhiteSpace(text[start])) ++start;
  return text.substr(start);
}

bool startsWithQuote(std::u16string_view text) noexcept {
  return !text.empty() && text.front() == u'"';
}

bool hasBlank(std::u16string_view text) noexcept {
  return text.find(u' ') != text.npos;
}

MouseChoice itemChoice(int item) {
  return {item, {}};
}

}  // namespace

std::u16string programValueForDisplay(std::u16string_view stored) {
  std::u16string text(stored);
  const std::size_t separator = text.find(kProgramSeparator);
  if (separator == text.npos)
    return text;
  if (separator + 1 == text.size()) {
    text.pop_back();
    if (!startsWithQuote(text) && hasBlank(text))
      text = u"\"" + text + u"\"";
    return text;
  }
  text[separator] = u' ';
  if (!startsWithQuote(text) && hasBlank(std::u16string_view(text).substr(0, separator))) {
    text.insert(separator, 1, u'"');
    text.insert(0, 1, u'"');
  }
  return text;
}

MouseChoice mouseChoiceFromStored(std::u16string_view stored) {
  for (int item = kSystemCalendar; item <= kTrayOptions; ++item) {
    if (stored == kMouseItemValues[static_cast<std::size_t>(item)])
      return itemChoice(item);
  }
  // Other "*" values are actions this program does not offer.
  if (stored.empty() || stored.front() == u'*')
    return itemChoice(kMouseNone);
  return {-1, programValueForDisplay(stored)};
}

std::array<MouseChoice, 3> mouseDefaults(bool rightKeyValueStored, std::uint32_t rightKeyValue,
                                         bool oldSystem) {
  if (rightKeyValueStored || oldSystem) {
    const bool systemOnLeft = rightKeyValue != 0;
    return {itemChoice(systemOnLeft ? kSystemCalendar : kInternalCalendar), itemChoice(kMenu),
            itemChoice(systemOnLeft ? kInternalCalendar : kSystemCalendar)};
  }
  return {itemChoice(kSystemCalendar), itemChoice(kMenu), itemChoice(kTrayOptions)};
}

CustomizationPageModel::CustomizationPageModel(FormPageServices& services, bool oldSystem)
    : services_(services), oldSystem_(oldSystem) {}

void CustomizationPageModel::load() {
  RegistryKey* settings = services_.settingsKey();
  for (std::size_t i = 0; i < kCustomTexts.size(); ++i) {
    std::optional<std::u16string> stored;
    if (settings)
      stored = readText(*settings, kCustomTexts[i].valueName);
    state_.texts[i] = stored.value_or(std::u16string(kCustomTexts[i].shownDefault));
  }

  std::optional<std::uint32_t> rightKey;
  if (settings)
    rightKey = readNumber(*settings, u"showCalendarOnRightKey");
  state_.mouse = mouseDefaults(rightKey.has_value(), rightKey.value_or(0), oldSystem_);
  if (!settings)
    return;
  for (std::size_t b = 0; b < kMouseButtonValueNames.size(); ++b) {
    if (auto stored = readText(*settings, kMouseButtonValueNames[b]))
      state_.mouse[b] = mouseChoiceFromStored(*stored);
  }
}

void CustomizationPageModel::setTexts(const std::array<std::u16string, 12>& texts) {
  state_.texts = texts;
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    return;
  for (std::size_t i = 0; i < kCustomTexts.size(); ++i) {
    writeTextKeepingDefault(*settings, kCustomTexts[i].valueName, texts[i],
                            kCustomTexts[i].shownDefault);
  }
  services_.notifyClock(NotifyScope::EveryClock);
}

void CustomizationPageModel::chooseMouseItem(MouseButton button, int item) {
  if (item < 0 || item >= static_cast<int>(kMouseItemValues.size()))
    return;
  const auto b = static_cast<std::size_t>(button);
  state_.mouse[b] = itemChoice(item);
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    return;
  writeText(*settings, kMouseButtonValueNames[b], kMouseItemValues[static_cast<std::size_t>(item)]);
  services_.notifyClock(NotifyScope::EveryClock);
}

void CustomizationPageModel::typeMouseProgram(MouseButton button, std::u16string_view typed) {
  const auto b = static_cast<std::size_t>(button);
  const std::u16string_view program = withoutLeadingWhiteSpace(typed);
  state_.mouse[b] = {-1, std::u16string(program)};
  RegistryKey* settings = services_.settingsKey();
  if (!settings)
    return;
  writeText(*settings, kMouseButtonValueNames[b], program);
  services_.notifyClock(NotifyScope::EveryClock);
}

void CustomizationPageModel::close() {
  if (!services_.reopenSettingsKey()) {
    services_.showMessage(kSettingsOpenError, kErrorCaption, MessageIcon::Exclamation);
    return;
  }
  services_.notifyClock(NotifyScope::EveryClock);
}

}  // namespace zembrik
