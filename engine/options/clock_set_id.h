#pragma once
// Which clock set the settings editor edits: the primary clock's horizontal or vertical set, or
// secondary clock N's (N for horizontal, -N for vertical).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zembrik {

using ClockSetId = std::int32_t;

inline constexpr ClockSetId kPrimaryHorizontalSet = 0;
inline constexpr ClockSetId kPrimaryVerticalSet = INT32_MIN;
// "Not determined yet"; passed to selectClockSet it means "keep the current set".
inline constexpr ClockSetId kUndeterminedSet = 0x7FFFFFFF;

bool isSecondarySet(ClockSetId id) noexcept;
bool isVerticalSet(ClockSetId id) noexcept;
// N of a secondary set, 0 for the primary sets.
int clockNumberOf(ClockSetId id) noexcept;
ClockSetId secondarySet(int clockNumber, bool vertical) noexcept;

// "horizontal" or "vertical".
std::u16string orientationKeyName(ClockSetId id);
// "horizontal_2", "vertical_1"; empty for the primary sets.
std::u16string secondaryKeyName(ClockSetId id);
// What label 1025 shows when there is no clock-set combo.
std::u16string clockSetLabel(ClockSetId id);
// The clock-set combo's item text.
std::u16string clockSetItemText(ClockSetId id);

// N of "<prefix>N" where N is a plain decimal clock number (1 and up, at most the largest
// number whose set id cannot be mistaken for a primary or undetermined set); else nothing.
std::optional<int> clockNumberAfterPrefix(std::u16string_view name, std::u16string_view prefix);

}  // namespace zembrik
