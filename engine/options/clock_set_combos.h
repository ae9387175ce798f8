#pragma once
// The clock-set combo (1100, with its stand-in label 1025) and the "Monitor:" combo (1102) of a
// page, as data: the Win32 page copies them into its controls only when a flag says they
// changed, so an idle refresh touches no control.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/options/clock_set_id.h"

namespace zembrik {

struct ComboItem {
  std::u16string text;
  std::int32_t data = 0;

  bool operator==(const ComboItem&) const = default;
};

struct ClockSetCombo {
  std::vector<ComboItem> items;
  int selection = -1;
  bool comboShown = false;  // else label 1025 is shown in its place
  std::u16string label;
};

// Monitor combo item data: 1-4 describe the current variant mode, 5-8 are actions.
enum MonitorItem : std::int32_t {
  kAnyMonitor = 1,
  kNameAndSizeVariant = 2,
  kNameVariant = 3,
  kSizeVariant = 4,
  kDisableNameVariant = 5,
  kDisableSizeVariant = 6,
  kEnableSizeVariant = 7,
  kEnableNameVariant = 8,
};

struct MonitorCombo {
  std::vector<ComboItem> items;
  int selection = -1;
  std::u16string shownName;  // the monitor name and size text the items were made from
  std::u16string shownSize;
};

// What the last selectClockSet changed on a page.
struct ComboChanges {
  bool setComboRefilled = false;      // items and shown/hidden state
  bool setSelectionMoved = false;     // selection and label text
  bool monitorComboRefilled = false;  // items and selection

  bool any() const noexcept {
    return setComboRefilled || setSelectionMoved || monitorComboRefilled;
  }
};

// One page's two combos. Pages without them pass no PageCombos to selectClockSet.
struct PageCombos {
  ClockSetCombo clockSet;
  MonitorCombo monitor;
  ComboChanges changes;
};

// The items of the clock-set combo: the two primary sets, then the secondary sets in the
// given (ascending signed) order.
std::vector<ComboItem> clockSetItems(const std::vector<ClockSetId>& secondarySets);

// The monitor combo for a variant mode (kAnyMonitor .. kSizeVariant); `monitorName` and
// `sizeText` as shown ("ABC1234", "1920x1080_144"), either may be empty.
std::vector<ComboItem> monitorItems(MonitorItem mode, const std::u16string& monitorName,
                                    const std::u16string& sizeText);

// Index of the last item whose data is `data`, or -1.
int lastIndexOfData(const std::vector<ComboItem>& items, std::int32_t data);

}  // namespace zembrik
