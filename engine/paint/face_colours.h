#pragma once
// The colours every clock of the process paints with: text, highlight and shadow for the
// effects, and the pens of the separator lines. Recomputed when the theme or the system
// colours change.
#include "engine/settings/cell_style.h"

namespace zembrik {

enum class SystemColour { ButtonText, ButtonHighlight, ButtonShadow, ButtonFace };

// The system's colour scheme (GetSysColor on Windows).
class SystemColours {
 public:
  virtual ~SystemColours() = default;
  virtual Colour colour(SystemColour which) const = 0;
};

// Whether the visual-styles theme is active. Filled in by the theme code; until it is, there is
// no theme.
class ThemeState {
 public:
  virtual ~ThemeState() = default;
  virtual bool themeActive() const = 0;
};

class NoTheme final : public ThemeState {
 public:
  bool themeActive() const override { return false; }
};

struct FaceColours {
  Colour text = 0;
  Colour highlight = 0xFFFFFF;
  Colour shadow = 0x808080;
  Colour highlightPen = 0xFFFFFF;
  Colour shadowPen = 0x808080;
  // The plain background a face is painted on while no captured background exists.
  Colour face = 0xC0C0C0;

  bool operator==(const FaceColours&) const = default;
};

FaceColours refreshFaceColours(const ThemeState& theme, int osGeneration,
                               const SystemColours& system);

}  // namespace zembrik
