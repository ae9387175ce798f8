#pragma once
// The font spec: "size,weight,third,fourth:face" (`font_%d_%d`, and the calendar and dialog
// fonts), e.g. "8,700,,:Arial".
#include <optional>
#include <string>
#include <string_view>

namespace zembrik {

inline constexpr int kDefaultFontWeight = 400;
inline constexpr int kBoldFontWeight = 700;
inline constexpr int kMaxFontWeight = 1000;
// Face names are 8-bit strings of at most 31 characters (LOGFONTA's 32 with the null).
inline constexpr std::size_t kMaxFaceNameChars = 31;

struct FontSpec {
  int size = 0;                     // points
  int weight = kDefaultFontWeight;  // 1-1000
  int third = 0;                    // takes part in font sharing only
  std::string face;                 // low byte of each character

  bool operator==(const FontSpec&) const = default;
};

// Nothing for an empty spec or one of spaces only. Otherwise a spec whatever the text: fields
// missing or garbled read as their defaults; the fourth field is read and ignored.
std::optional<FontSpec> parseFontSpec(std::u16string_view text);

// The face name as font creation takes it: the low byte of each character, up to the first
// zero byte (where the 8-bit name ends), at most kMaxFaceNameChars.
std::string narrowFaceName(std::u16string_view face);

}  // namespace zembrik
