#pragma once
// Reading comma-separated numeric fields out of a settings text, shared by the cell value and
// font spec parsers. The cursor never moves past the end of the text: every read checks first.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace zembrik::settings_detail {

class FieldCursor {
 public:
  explicit FieldCursor(std::u16string_view text) noexcept : text_(text) {}

  bool atEnd() const noexcept { return pos_ >= text_.size(); }
  char16_t peek() const noexcept { return atEnd() ? u'\0' : text_[pos_]; }
  void advance() noexcept {
    if (!atEnd())
      ++pos_;
  }
  std::u16string_view rest() const noexcept {
    return atEnd() ? std::u16string_view{} : text_.substr(pos_);
  }

  // Only spaces: any other character, a tab too, is the field's own (a cell's alignment field
  // takes a tab as its character, which centres).
  void skipSpaces() noexcept {
    while (!atEnd() && text_[pos_] == u' ') ++pos_;
  }

  // A decimal integer with an optional sign, as atoi reads it; 0 when there are no digits.
  // Values beyond the int range saturate instead of overflowing.
  int readInt() noexcept {
    bool negative = false;
    if (peek() == u'-' || peek() == u'+') {
      negative = peek() == u'-';
      advance();
    }
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    while (!atEnd() && text_[pos_] >= u'0' && text_[pos_] <= u'9') {
      if (value < kLimit)
        value = value * 10 + (text_[pos_] - u'0');
      ++pos_;
    }
    if (value > kLimit)
      value = kLimit;
    if (negative)
      return static_cast<int>(-value);
    return static_cast<int>(value < kLimit ? value : kLimit - 1);
  }

  // Moves to the first of `stops` (or the end) and returns that character, '\0' at the end.
  // The stop character itself is consumed.
  char16_t skipPast(std::u16string_view stops) noexcept {
    while (!atEnd()) {
      char16_t c = text_[pos_++];
      if (stops.find(c) != std::u16string_view::npos)
        return c;
    }
    return u'\0';
  }

 private:
  std::u16string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace zembrik::settings_detail
