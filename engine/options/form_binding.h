#pragma once
// The binding layer the form pages (General, Customization, PerfMeter) share: what a page asks
// of the framework, and the conversions between control contents and stored values.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/options/reload_targets.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

enum class MessageIcon { None, Exclamation, Stop, Information };

// What a form page needs of the page framework (form_page_services.h gives it over the
// clock-set model; native tests fake it).
class FormPageServices {
 public:
  virtual ~FormPageServices() = default;
  // The program-wide settings key; null when it is not open (then nothing is written).
  virtual RegistryKey* settingsKey() = 0;
  // Opens the settings key anew, for a page that writes when it closes, after the keys it
  // shares with the other pages were closed. Null when it cannot be opened.
  virtual std::unique_ptr<RegistryKey> reopenSettingsKey() = 0;
  // The key the selected clock set is read from (a secondary set without a key of its own
  // reads the key that stands in for it). Null when none is open.
  virtual RegistryKey* setKeyForReading() = 0;
  // Per-set writes: compared with the value in use and, when different, written into the
  // selected set's own key, which is created first when the set has none, so that a per-set
  // write never lands in another set's key. True when the value in use equals `value` after.
  virtual bool writeSetNumber(std::u16string_view name, std::uint32_t value) = 0;
  virtual bool writeSetText(std::u16string_view name, std::u16string_view value) = 0;
  virtual void notifyClock(NotifyScope scope) = 0;
  virtual void showMessage(std::u16string_view text, std::u16string_view caption,
                           MessageIcon icon) = 0;
};

inline constexpr std::u16string_view kSettingsOpenError =
    u"Error can't open registry: Software\\OBR\\Zembrik";
inline constexpr std::u16string_view kErrorCaption = u"Error";

// ---- numbers typed into an edit field

struct NumberRange {
  std::int64_t low = 0;
  std::int64_t high = 0;
  bool contains(std::int64_t value) const noexcept { return value >= low && value <= high; }
};

enum class NumberCheck { Accepted, NotANumber, OutOfRange };

struct CheckedNumber {
  NumberCheck check = NumberCheck::NotANumber;
  std::int64_t value = 0;  // meaningful when Accepted
};

// An optional sign and decimal digits, with blanks around them allowed; anything else (an empty
// text, a lone "-", "12a", more digits than fit) is not a number.
std::optional<std::int64_t> parseWholeNumber(std::u16string_view text) noexcept;
CheckedNumber checkNumber(std::u16string_view text, NumberRange range) noexcept;

// "Please enter an integer between %1 and %2." with the range filled in.
std::u16string rangeHint(NumberRange range);

std::u16string unsignedText(std::uint64_t value);
std::u16string signedText(std::int64_t value);

// ---- stored values

// "0x%06x": the colour fields' text.
std::u16string colourText(std::uint32_t colour);

// Writes `text` (only when different); a value that does not exist yet is created only when
// `text` differs from `shownDefault`, so that untouched defaults are never written.
// True when something was written or nothing needed to be.
bool writeTextKeepingDefault(RegistryKey& key, std::u16string_view name, std::u16string_view text,
                             std::u16string_view shownDefault);

// A check box stored as 0 or 1.
bool writeFlag(RegistryKey& key, std::u16string_view name, bool checked);

// A check box stored as 1, or as no value at all.
bool writeFlagOrDelete(RegistryKey& key, std::u16string_view name, bool checked);

// A list whose items stand for stored texts: the index of `stored`, or nothing.
std::optional<std::size_t> indexOfStoredText(std::span<const std::u16string_view> storedTexts,
                                             std::u16string_view stored) noexcept;

// What a font chooser returns and starts from.
struct FontChoice {
  int pointSize = 0;
  int weight = 0;
  std::u16string face;

  bool operator==(const FontChoice&) const = default;
};

// "%d,%d,:%s": point size, weight and face, the way the pages store a chosen font.
std::u16string fontSpecText(const FontChoice& font);

// The chooser's starting font: the stored spec's size, weight and face, or `fallback` when
// nothing is stored.
FontChoice fontChoiceFromSpec(const std::optional<std::u16string>& spec,
                              const FontChoice& fallback);

}  // namespace zembrik
