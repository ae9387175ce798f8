#pragma once
// The system's colour scheme for the face colours.
#include "engine/paint/face_colours.h"

namespace zembrik {

class Win32SystemColours final : public SystemColours {
 public:
  Colour colour(SystemColour which) const override;  // GetSysColor
};

}  // namespace zembrik
