#include "engine/options/clock_set_combos.h"

namespace zembrik {

std::vector<ComboItem> clockSetItems(const std::vector<ClockSetId>& secondarySets) {
  std::vector<ComboItem> items;
  items.push_back({clockSetItemText(kPrimaryHorizontalSet), kPrimaryHorizontalSet});
  items.push_back({clockSetItemText(kPrimaryVerticalSet), kPrimaryVerticalSet});
  for (ClockSetId id : secondarySets) items.push_back({clockSetItemText(id), id});
  return items;
}

std::vector<ComboItem> monitorItems(MonitorItem mode, const std::u16string& monitorName,
                                    const std::u16string& sizeText) {
  const std::u16string& a = monitorName;
  const std::u16string& b = sizeText;
  switch (mode) {
    case kNameAndSizeVariant:
      return {{u"Special settings for " + a + u" @ " + b, kNameAndSizeVariant},
              {u"Do not use special settings for " + b, kDisableSizeVariant}};
    // An action whose key name would be empty (size or monitor unknown) is not offered.
    case kNameVariant: {
      std::vector<ComboItem> items{{u"Special settings for " + a, kNameVariant}};
      if (!b.empty())
        items.push_back({u"Use special settings for " + a + u" @ " + b, kEnableSizeVariant});
      items.push_back({u"Do not use special settings for " + a, kDisableNameVariant});
      return items;
    }
    case kSizeVariant: {
      std::vector<ComboItem> items{{u"Special settings for " + b, kSizeVariant}};
      if (!a.empty())
        items.push_back({u"Use special settings for " + a, kEnableNameVariant});
      items.push_back({u"Do not use special settings for " + b, kDisableSizeVariant});
      return items;
    }
    default: {
      std::vector<ComboItem> items{{u"Any monitor", kAnyMonitor}};
      if (!a.empty())
        items.push_back({u"Use special settings for " + a, kEnableNameVariant});
      if (!b.empty())
        items.push_back({u"Use special settings for " + b, kEnableSizeVariant});
      return items;
    }
  }
}

int lastIndexOfData(const std::vector<ComboItem>& items, std::int32_t data) {
  for (int i = static_cast<int>(items.size()) - 1; i >= 0; --i)
    if (items[static_cast<size_t>(i)].data == data)
      return i;
  return -1;
}

}  // namespace zembrik
