#pragma once
// The text effects: each is the text drawn more than once, in the effect colours at one-pixel
// offsets, with the text colour last.
#include <span>

namespace zembrik {

enum class EffectColour { Text, Highlight, Shadow };

struct EffectPass {
  int dx = 0;
  int dy = 0;
  EffectColour colour = EffectColour::Text;
};

// The drawings of `effect` in order (kEffectNone ... kEffectEmboss; any other value draws as
// none).
std::span<const EffectPass> effectPasses(int effect) noexcept;

// Room an effect takes around the text: one pixel on every side.
bool hasEffect(int effect) noexcept;
inline constexpr int kEffectRoom = 2;

}  // namespace zembrik
