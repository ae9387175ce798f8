#pragma once
// Colours, brushes and the font of the stand-in, and the painting every window shares.

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/dc_scopes_win32.h"
#include "platform/win32/win32_handles.h"
#include "tools/standin_taskbar/standin_options.h"

namespace standin {

struct Look {
  Background background = Background::Flat;
  COLORREF base = 0;
  COLORREF light = 0;  // gradient start, task buttons
  COLORREF dark = 0;   // gradient end, pattern stripes
  COLORREF text = 0;
  zembrik::UniqueBrush baseBrush;
  zembrik::UniqueBrush lightBrush;
  zembrik::UniqueBrush patternBrush;
  zembrik::UniqueFont font;
  int lineHeight = 16;  // of the font
};

Look makeLook(const Options& options);

// Paints `area` of `window`'s client with the bar background. Gradients and patterns are laid
// out in the coordinates of the top-level taskbar, so that every child, and every copy made
// through WM_PRINTCLIENT, lines up with its neighbours.
void paintBarBackground(HDC dc, HWND window, const RECT& area, const Look& look, bool vertical);

// Decorations that make the windows recognisable on a screenshot.
using Decoration = void (*)(HDC dc, const RECT& client, const Look& look, bool vertical);
void paintTaskButtons(HDC dc, const RECT& client, const Look& look, bool vertical);
void paintTrayIcons(HDC dc, const RECT& client, const Look& look, bool vertical);
void paintSeparator(HDC dc, const RECT& client, const Look& look, bool vertical);
void paintTextLines(HDC dc, const RECT& client, const Look& look,
                    const std::vector<std::wstring>& lines);

}  // namespace standin
