#include "engine/paint/text_effects.h"

#include "engine/settings/cell_value.h"

namespace zembrik {

namespace {

constexpr EffectPass kPlain[] = {{0, 0, EffectColour::Text}};
constexpr EffectPass kShadow[] = {{1, 1, EffectColour::Shadow}, {-1, -1, EffectColour::Text}};
constexpr EffectPass kEngrave[] = {
    {1, 1, EffectColour::Highlight}, {-1, -1, EffectColour::Shadow}, {0, 0, EffectColour::Text}};
constexpr EffectPass kEmboss[] = {
    {1, 1, EffectColour::Shadow}, {-1, -1, EffectColour::Highlight}, {0, 0, EffectColour::Text}};

}  // namespace

std::span<const EffectPass> effectPasses(int effect) noexcept {
  switch (effect) {
    case kEffectShadow:
      return kShadow;
    case kEffectEngrave:
      return kEngrave;
    case kEffectEmboss:
      return kEmboss;
    default:
      return kPlain;
  }
}

bool hasEffect(int effect) noexcept {
  return effect == kEffectShadow || effect == kEffectEngrave || effect == kEffectEmboss;
}

}  // namespace zembrik
