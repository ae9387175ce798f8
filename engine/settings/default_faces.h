#pragma once
// The built-in faces, used when the clock-set key holds no grid. Their cells use "Arial" at the
// window's DPI without antialiasing and take their format text as written.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "engine/settings/clock_config.h"

namespace zembrik {

inline constexpr std::u16string_view kDefaultFaceName = u"Arial";
// A horizontal clock window at least this high gets the three-column face.
inline constexpr int kTallHorizontalClock = 30;

struct DefaultCell {
  std::u16string_view format;
  int size = 0;  // points
  int weight = 0;
  std::uint8_t flags = 0;
};

struct DefaultFace {
  FaceMargins margins;
  int columns = 1;
  std::span<const std::optional<DefaultCell>> cells;  // slot order; nullopt is an empty slot
};

const DefaultFace& defaultFace(bool vertical, int windowHeight) noexcept;

}  // namespace zembrik
