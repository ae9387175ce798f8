#include "engine/settings/cell_style.h"

#include "engine/settings/cell_value.h"

namespace zembrik {

namespace {

constexpr Colour kRgbMask = 0x00FFFFFF;

int swappedEffect(int effect) noexcept {
  switch (effect) {
    case kEffectNone:
      return kEffectShadow;
    case kEffectShadow:
      return kEffectNone;
    case kEffectEngrave:
      return kEffectEmboss;
    case kEffectEmboss:
      return kEffectEngrave;
    default:
      return effect;
  }
}

}  // namespace

Colour resolveTextColour(Colour stored, Colour defaultText) noexcept {
  return (stored == kDefaultColour ? defaultText : stored) & kRgbMask;
}

Colour resolveAlternateColour(Colour stored, Colour textColour) noexcept {
  if (stored == kDefaultColour)
    return ~textColour & kRgbMask;
  return stored & kRgbMask;
}

BlinkLook blinkLook(std::uint32_t blinkBits, int effect, bool oddHalf) noexcept {
  BlinkLook look;
  look.effect = effect;
  if (!oddHalf)
    return look;
  look.hidden = (blinkBits & kBlinkHideText) != 0;
  look.alternateColour = !look.hidden && (blinkBits & kBlinkAlternateColour) != 0;
  if (blinkBits & kBlinkEffectOff) {
    look.effect = kEffectNone;
  } else if (blinkBits & kBlinkSwapEffect) {
    look.effect = swappedEffect(effect);
  }
  return look;
}

}  // namespace zembrik
