#pragma once
// The settings the driver writes before it attaches, so that a script can pick the face the
// hook library paints.
#include <string>

namespace zembrik {

struct DriverFace {
  enum class Kind { Unchanged, Defaults, Format };
  Kind kind = Kind::Unchanged;
  std::u16string format;  // Kind::Format: the one cell's format text
  bool graphs = false;    // Kind::Format: every meter graph on as well
};

// Writes `face` into the registry: Defaults empties the settings (the built-in faces show);
// Format writes a one-cell face into the horizontal and vertical clock sets. False when the
// settings could not be written.
bool writeDriverFace(const DriverFace& face);

}  // namespace zembrik
