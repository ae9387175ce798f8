#pragma once
// The About box (template 100), shown modally over the main dialog.
#include <windows.h>

#include "options/options_context_win32.h"

namespace zembrik {

void showAboutBox(const OptionsContext& context, HWND owner);

}  // namespace zembrik
