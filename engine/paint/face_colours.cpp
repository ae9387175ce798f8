#include "engine/paint/face_colours.h"

namespace zembrik {

FaceColours refreshFaceColours(const ThemeState& theme, int osGeneration,
                               const SystemColours& system) {
  FaceColours colours;
  colours.face = system.colour(SystemColour::ButtonFace);
  colours.highlight = system.colour(SystemColour::ButtonHighlight);
  colours.shadow = system.colour(SystemColour::ButtonShadow);
  colours.highlightPen = colours.highlight;
  colours.shadowPen = colours.shadow;
  if (!theme.themeActive()) {
    colours.text = system.colour(SystemColour::ButtonText);
    return colours;
  }
  // Themed taskbars are dark: white text whatever the scheme says.
  colours.text = 0xFFFFFF;
  if (osGeneration == 1) {
    // The XP theme's taskbar is blue; greys and blue-tinted pens suit it better than the
    // scheme's button colours.
    colours.highlight = 0x7F7F7F;
    colours.shadow = 0x3F3F3F;
    colours.highlightPen = 0x7F0000;
    colours.shadowPen = 0xFFFF7F;
  }
  return colours;
}

}  // namespace zembrik
