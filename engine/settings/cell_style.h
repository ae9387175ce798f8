#pragma once
// A cell's colours (COLORREF 0x00BBGGRR) and blink bits, and what they mean when painting.
#include <cstdint>

namespace zembrik {

using Colour = std::uint32_t;

// Stored in `color_%d_%d` for "the default text colour" and in `acolor_%d_%d` for "the inverse
// of the text colour".
inline constexpr Colour kDefaultColour = 0xFFFFFFFF;

// Blink bits (`blink_%d_%d`), acting in the odd half of the blink cycle.
inline constexpr std::uint32_t kBlinkAlternateColour = 0x01;
inline constexpr std::uint32_t kBlinkHideText = 0x02;
inline constexpr std::uint32_t kBlinkEffectOff = 0x10;
inline constexpr std::uint32_t kBlinkSwapEffect = 0x20;

// The colour to draw with. Only the RGB bytes count: a stored value with other high bits
// (a palette reference) is taken as the plain RGB colour.
Colour resolveTextColour(Colour stored, Colour defaultText) noexcept;
Colour resolveAlternateColour(Colour stored, Colour textColour) noexcept;

struct BlinkLook {
  bool hidden = false;
  bool alternateColour = false;
  int effect = 0;
};

// How a cell with `effect` and `blinkBits` looks in the given half of the blink cycle.
BlinkLook blinkLook(std::uint32_t blinkBits, int effect, bool oddHalf) noexcept;

}  // namespace zembrik
