#include "engine/options/zone_choice_dialog.h"

#include <algorithm>

#include "engine/timezone/zone_loading.h"

namespace zembrik {

namespace {

constexpr char16_t kSeparator = u'\x0001';
// The page reads value names with a buffer of this many characters, the terminator included.
constexpr std::size_t kMaxValueNameChars = 1023;

bool isWhiteSpace(char16_t c) {
  return c == u' ' || (c >= u'\t' && c <= u'\r') || c == u'\x00A0' || c == u'\x3000';
}

std::u16string trimmed(std::u16string_view text) {
  while (!text.empty() && isWhiteSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isWhiteSpace(text.back())) text.remove_suffix(1);
  return std::u16string(text);
}

bool hasControlCharacter(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char16_t c) { return c < u' ' || (c >= u'\x007F' && c < u'\x00A0'); });
}

char16_t folded(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Registry value names differ only when they differ ignoring case.
bool sameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return folded(x) == folded(y); });
}

// Why no clock cell could name the zone by this abbreviation, or empty.
std::u16string unusableAbbreviation(std::u16string_view abbreviation) {
  if (abbreviation == u".")
    return u"The abbreviation \".\" stands for the local time.\nPlease choose another one.";
  if (abbreviation.find(u'}') != std::u16string_view::npos)
    return u"An abbreviation cannot contain \"}\".\nPlease choose another one.";
  return {};
}

}  // namespace

std::u16string zoneEntryValueName(const ZoneNames& names) {
  std::u16string name = names.abbreviation;
  if (!names.standardName.empty()) {
    name += kSeparator;
    name += names.standardName;
  }
  if (!names.daylightName.empty()) {
    name += names.standardName.empty() ? u"\x0001\x0001" : u"\x0001";
    name += names.daylightName;
  }
  return name;
}

ZoneNames zoneNamesOf(std::u16string_view valueName) {
  const ZoneKeyText parts = splitZoneKeyText(valueName);
  return {std::u16string(parts.key), std::u16string(parts.standardAbbreviation),
          std::u16string(parts.daylightAbbreviation)};
}

ZoneChoiceDialog::ZoneChoiceDialog(std::vector<ZoneOffer> offers,
                                   std::optional<std::size_t> selected, ZoneNames names,
                                   std::vector<TakenAbbreviation> taken)
    : offers_(std::move(offers)),
      selected_(selected && *selected < offers_.size() ? selected : std::nullopt),
      names_(std::move(names)),
      taken_(std::move(taken)),
      copyToStandard_(names_.abbreviation.empty()),
      copyToDaylight_(names_.abbreviation.empty()) {
  if (!daylightEnabled())
    names_.daylightName.clear();
}

bool ZoneChoiceDialog::daylightEnabled() const {
  return !selected_ || offers_[*selected_].hasDaylight;
}

void ZoneChoiceDialog::abbreviationChanged(std::u16string text) {
  names_.abbreviation = std::move(text);
  if (copyToStandard_)
    names_.standardName = names_.abbreviation;
  if (copyToDaylight_ && daylightEnabled())
    names_.daylightName = names_.abbreviation;
}

void ZoneChoiceDialog::standardNameChanged(std::u16string text) {
  if (text != names_.abbreviation)
    copyToStandard_ = false;
  names_.standardName = std::move(text);
}

void ZoneChoiceDialog::daylightNameChanged(std::u16string text) {
  if (text != names_.abbreviation)
    copyToDaylight_ = false;
  names_.daylightName = std::move(text);
}

void ZoneChoiceDialog::choose(std::size_t offer) {
  if (offer < offers_.size())
    selected_ = offer;
}

ZoneChoiceDialog::Outcome ZoneChoiceDialog::ok() const {
  Outcome outcome;
  if (!selected_)
    return outcome;
  outcome.zone = offers_[*selected_].zone;
  outcome.names = {trimmed(names_.abbreviation), trimmed(names_.standardName),
                   daylightEnabled() ? trimmed(names_.daylightName) : std::u16string()};
  const ZoneNames& names = outcome.names;
  if (names.abbreviation.empty())
    return outcome;
  outcome.message = unusableAbbreviation(names.abbreviation);
  if (!outcome.message.empty())
    return outcome;
  // A control character would end a name early (U+0001 separates them) or be invisible.
  if (hasControlCharacter(names.abbreviation) || hasControlCharacter(names.standardName) ||
      hasControlCharacter(names.daylightName)) {
    outcome.message = u"The names cannot contain control characters.";
    return outcome;
  }
  if (zoneEntryValueName(names).size() > kMaxValueNameChars) {
    outcome.message = u"The names are too long.";
    return outcome;
  }
  for (const TakenAbbreviation& other : taken_) {
    if (sameIgnoringCase(other.abbreviation, names.abbreviation)) {
      outcome.message = u"The abbreviation " + names.abbreviation +
                        u" is already used for the time zone\n" + other.zoneName +
                        u"\nPlease choose another one.";
      return outcome;
    }
  }
  outcome.accepted = true;
  return outcome;
}

}  // namespace zembrik
