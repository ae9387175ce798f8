#pragma once
// The six pages of the options program: which class each is, in the order they are created, and
// the index of each one's tab header.
#include <cstddef>
#include <memory>
#include <span>

#include "options/base_tab_win32.h"

namespace zembrik {

struct PageEntry {
  const wchar_t* title;     // the tab header's text
  std::size_t headerIndex;  // where the header is inserted
  std::unique_ptr<C_BaseTab> (*make)(OptionsContext& context);
};

inline constexpr std::size_t kOptionsPageCount = 6;

// In creation order: General, Customization, Clock, Time Zones, Alarms, PerfMeter.
std::span<const PageEntry, kOptionsPageCount> optionsPages();

}  // namespace zembrik
