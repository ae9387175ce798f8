#pragma once
// Dialog templates with the options font put in place of the template's own typeface and point
// size, so that every dialog of the program uses the font the user chose.
#include <windows.h>

#include <cstddef>
#include <vector>

#include "engine/options/options_startup.h"

namespace zembrik {

// A copy of dialog template `id` that can be handed to CreateDialogIndirectParamW and
// DialogBoxIndirectParamW. With a font in force the copy names that font; otherwise, and for a
// template that names no font, it is the template unchanged. Empty when the resource is missing.
std::vector<std::byte> loadDialogTemplate(HINSTANCE instance, int id, const OptionsFont& font);

// The template as the Indirect calls take it.
inline const DLGTEMPLATE* asDialogTemplate(const std::vector<std::byte>& copy) {
  return reinterpret_cast<const DLGTEMPLATE*>(copy.data());
}

}  // namespace zembrik
