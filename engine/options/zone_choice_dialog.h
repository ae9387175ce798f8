#pragma once
// The "Select Timezone and abbreviation" dialog without its window: the zones it offers, the
// three names with the copying of a typed abbreviation into the two others, and what OK
// accepts.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zembrik {

// The three names of a configured zone, stored together as one `tzones` value name.
struct ZoneNames {
  std::u16string abbreviation;
  std::u16string standardName;
  std::u16string daylightName;

  bool empty() const { return abbreviation.empty(); }
  friend bool operator==(const ZoneNames&, const ZoneNames&) = default;
};

// The value name: the abbreviation, then U+0001 and the standard name when there is one, then
// U+0001 and the daylight name when there is one (after a second U+0001 when the standard name
// is empty).
std::u16string zoneEntryValueName(const ZoneNames& names);
// The names of a value name, split at its first and second U+0001.
ZoneNames zoneNamesOf(std::u16string_view valueName);

// One item of the dialog's zone list.
struct ZoneOffer {
  std::size_t zone;  // index into the page's zones
  std::u16string displayName;
  bool hasDaylight = false;
};

// An abbreviation another zone already has, with that zone's display name for the message.
struct TakenAbbreviation {
  std::u16string abbreviation;
  std::u16string zoneName;
};

class ZoneChoiceDialog {
 public:
  // `selected` indexes `offers`; `taken` lists every other zone's abbreviation. A dialog opened
  // with an empty abbreviation copies what is typed there into the two other names.
  ZoneChoiceDialog(std::vector<ZoneOffer> offers, std::optional<std::size_t> selected,
                   ZoneNames names, std::vector<TakenAbbreviation> taken);

  const std::vector<ZoneOffer>& offers() const { return offers_; }
  std::optional<std::size_t> selected() const { return selected_; }
  const ZoneNames& names() const { return names_; }
  // The daylight name can be edited unless the chosen zone has no daylight time.
  bool daylightEnabled() const;

  // What the user typed. The page sets the edits from names() afterwards; the texts it sets
  // that way come back here unchanged and stop no copying.
  void abbreviationChanged(std::u16string text);
  void standardNameChanged(std::u16string text);
  void daylightNameChanged(std::u16string text);
  void choose(std::size_t offer);

  // OK: accepted names (trimmed, the daylight name emptied for a zone without daylight time)
  // and the chosen zone, or a refusal; an empty message means the dialog stays open silently.
  struct Outcome {
    bool accepted = false;
    std::u16string message;
    std::size_t zone = 0;
    ZoneNames names;
  };
  Outcome ok() const;

 private:
  std::vector<ZoneOffer> offers_;
  std::optional<std::size_t> selected_;
  ZoneNames names_;
  std::vector<TakenAbbreviation> taken_;
  bool copyToStandard_;
  bool copyToDaylight_;
};

}  // namespace zembrik
