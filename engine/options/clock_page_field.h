#pragma once
// What the Clock page makes of a numeric field's text: a number it writes, or a reason not to.
#include <cstdint>
#include <optional>
#include <string_view>

namespace zembrik {

inline constexpr int kInsetLimit = 10000;  // insets and the space around the clock: -10000..10000
inline constexpr int kMaxRank = 100;

enum class FieldInput {
  Written,     // the value is stored (for the rank: clamped to 0..100 first)
  NotANumber,  // "", "-", "12a": nothing written, so typing "-5" never writes a passing 0
  OutOfRange,  // a number the field does not take: nothing written
  NotWritten,  // no cell selected, page not initialised, or the own key could not be made
};

struct FieldResult {
  FieldInput input = FieldInput::NotWritten;
  int value = 0;  // the stored value after the call, which the field shows when left
};

// Blanks around a decimal integer with an optional sign; nothing for any other text. Long digit
// runs saturate (still out of every field's range) instead of overflowing.
std::optional<std::int64_t> parseFieldNumber(std::u16string_view text);

// The short note shown beside a field whose text was not written; empty when it was.
std::u16string_view fieldHint(FieldInput input);

}  // namespace zembrik
