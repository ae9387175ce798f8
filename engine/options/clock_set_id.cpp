#include "engine/options/clock_set_id.h"

#include <string>

namespace zembrik {
namespace {

std::u16string decimal(long long value) {
  std::string narrow = std::to_string(value);
  return std::u16string(narrow.begin(), narrow.end());
}

// kUndeterminedSet is INT32_MAX, so the largest usable clock number is one less.
constexpr long long kMaxClockNumber = 0x7FFFFFFE;

}  // namespace

bool isSecondarySet(ClockSetId id) noexcept {
  return id != kPrimaryHorizontalSet && id != kPrimaryVerticalSet && id != kUndeterminedSet;
}

bool isVerticalSet(ClockSetId id) noexcept {
  return id < 0;
}

int clockNumberOf(ClockSetId id) noexcept {
  if (!isSecondarySet(id))
    return 0;
  return id < 0 ? -id : id;
}

ClockSetId secondarySet(int clockNumber, bool vertical) noexcept {
  return vertical ? -clockNumber : clockNumber;
}

std::u16string orientationKeyName(ClockSetId id) {
  return isVerticalSet(id) ? u"vertical" : u"horizontal";
}

std::u16string secondaryKeyName(ClockSetId id) {
  if (!isSecondarySet(id))
    return {};
  return orientationKeyName(id) + u"_" + decimal(clockNumberOf(id));
}

std::u16string clockSetLabel(ClockSetId id) {
  if (id == kPrimaryVerticalSet)
    return u"Vertical TaskBar";
  if (id == kPrimaryHorizontalSet)
    return u"Horizontal TaskBar";
  return secondaryKeyName(id);
}

std::u16string clockSetItemText(ClockSetId id) {
  if (id == kPrimaryHorizontalSet)
    return u"Primary Clock Horizontal Settings";
  if (id == kPrimaryVerticalSet)
    return u"Primary Clock Vertical Settings";
  return u"Secondary Clock (" + decimal(clockNumberOf(id)) + u") " +
         (isVerticalSet(id) ? u"Vertical Settings" : u"Horizontal Settings");
}

std::optional<int> clockNumberAfterPrefix(std::u16string_view name, std::u16string_view prefix) {
  if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix)
    return std::nullopt;
  long long number = 0;
  for (char16_t c : name.substr(prefix.size())) {
    if (c < u'0' || c > u'9')
      return std::nullopt;
    number = number * 10 + (c - u'0');
    if (number > kMaxClockNumber)
      return std::nullopt;
  }
  if (number == 0)
    return std::nullopt;
  return static_cast<int>(number);
}

}  // namespace zembrik
