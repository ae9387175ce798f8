#pragma once
// The Time Zones page without its window: the system's zones with the names the user gave them
// in `tzones`, the table of configured zones and its sort, the zone dialog's offers, and the
// changes the page writes. `notifyClocks` tells the host and every clock to reload (scope 1).
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/options/system_zone_list.h"
#include "engine/options/zone_choice_dialog.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

inline constexpr int kZoneColumns = 4;
using ZoneRowTexts = std::array<std::u16string, kZoneColumns>;

// "TZ abbr.", "TimeZone", "standard", "daylight".
const ZoneRowTexts& zoneHeaderTexts();
inline constexpr int kZoneNameColumn = 1;

// The error shown when the `tzones` key refuses a change.
std::u16string zonesRegistryError();

class TimeZonesPageModel {
 public:
  TimeZonesPageModel(RegistryKey& settingsRoot, std::function<void()> notifyClocks);

  // Takes the system's zones, gives each the names of the `tzones` value that names it (values
  // from the last to the first, matched from the last zone; values naming no zone are left
  // alone), lists the configured zones and sorts them by the "TimeZone" column.
  void load(std::vector<SystemZone> zones);

  std::size_t rows() const { return shown_.size(); }
  ZoneRowTexts rowTexts(std::size_t row) const;
  std::size_t zoneInRow(std::size_t row) const { return shown_[row]; }
  const SystemZone& zone(std::size_t index) const { return zones_[index]; }
  const ZoneNames& namesOf(std::size_t index) const { return names_[index]; }

  // Sort state: column + 1, negative when reversed, 0 unsorted. A click on the sorted column
  // reverses the order, on another column sorts it ascending. Text columns compare ignoring
  // case; "TimeZone" puts the larger bias first, then the display name.
  int sortState() const { return sortState_; }
  void sortBy(int column);

  // The dialog for a new zone, or for the zone in `row` with its names.
  ZoneChoiceDialog dialogForAdd() const;
  ZoneChoiceDialog dialogForEdit(std::size_t row) const;

  // Each change writes first and changes the table only as far as the registry did; false
  // (the page shows zonesRegistryError()) when the registry refused.
  bool add(std::size_t zone, const ZoneNames& names);
  bool edit(std::size_t row, std::size_t zone, const ZoneNames& names);
  bool remove(std::size_t row);

  // The locale the "ZN" token uses: written when it differs from the stored one.
  bool chooseLocale(std::u16string_view language);

 private:
  std::vector<ZoneOffer> offers(std::optional<std::size_t> editedZone) const;
  std::vector<TakenAbbreviation> takenExcept(std::optional<std::size_t> zone) const;
  void sortShown();

  RegistryKey& settingsRoot_;
  std::function<void()> notifyClocks_;
  std::vector<SystemZone> zones_;
  std::vector<ZoneNames> names_;    // per zone; empty abbreviation: not configured
  std::vector<std::size_t> shown_;  // table row r + 1 shows zones_[shown_[r]]
  int sortState_ = 0;
};

}  // namespace zembrik
