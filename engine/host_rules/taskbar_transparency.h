#pragma once
// The taskbar transparency the host keeps: an alpha of 0 (opaque) to 255 (invisible) derived
// from the `transparentTaskBar` percentage, and when a new value has to be applied.
#include <cstdint>

namespace zembrik {

// percent * 255 / 100 in integer arithmetic, without overflow: 100 gives 255, anything above
// gives a value the transparency ignores.
std::uint32_t alphaFromPercent(std::uint32_t percent);

// The layered-window opacity that shows `alpha` (255 - alpha).
inline std::uint8_t opacityForAlpha(std::uint32_t alpha) {
  return static_cast<std::uint8_t>(255 - (alpha & 0xFF));
}

class TaskbarTransparency {
 public:
  static constexpr std::uint32_t kLimit = 256;

  // Stores `alpha` unless it is 256 or more or equal to the current value. True when the
  // caller asked to apply and the value was taken: the taskbar must then be updated.
  bool set(std::uint32_t alpha, bool apply);

  // For re-applying the stored value after the taskbar came back: makes the current value
  // look different, so that set(previous, true) is not skipped. Returns the value to set.
  std::uint32_t prepareReapply();

  std::uint32_t alpha() const { return alpha_; }

 private:
  std::uint32_t alpha_ = 0;
};

}  // namespace zembrik
