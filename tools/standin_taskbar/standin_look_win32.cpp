#include "tools/standin_taskbar/standin_look_win32.h"

#include "tools/standin_taskbar/standin_layout.h"

#include <algorithm>

namespace standin {
namespace {

COLORREF mix(COLORREF from, COLORREF to, int step, int steps) {
  auto channel = [&](int shift) {
    int a = (from >> shift) & 0xFF;
    int b = (to >> shift) & 0xFF;
    return static_cast<COLORREF>(a + (b - a) * step / std::max(steps, 1)) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

COLORREF shade(COLORREF colour, int percent) {
  return mix(colour, percent > 0 ? RGB(255, 255, 255) : RGB(0, 0, 0), std::abs(percent), 100);
}

// Diagonal stripes, 8 x 8, as a packed DIB (the brush keeps its own copy).
zembrik::UniqueBrush makeStripeBrush(COLORREF base, COLORREF stripe) {
  struct {
    BITMAPINFOHEADER header;
    DWORD pixels[64];
  } dib{};
  dib.header.biSize = sizeof(dib.header);
  dib.header.biWidth = 8;
  dib.header.biHeight = 8;
  dib.header.biPlanes = 1;
  dib.header.biBitCount = 32;
  dib.header.biCompression = BI_RGB;
  auto bgr = [](COLORREF c) {
    return static_cast<DWORD>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
  };
  for (int i = 0; i < 64; ++i) dib.pixels[i] = ((i % 8 + i / 8) % 8) < 3 ? bgr(stripe) : bgr(base);
  return zembrik::UniqueBrush(CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS));
}

zembrik::UniqueFont makeClockFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    return zembrik::UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
  LOGFONTW fallback{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(fallback), &fallback);
  return zembrik::UniqueFont(CreateFontIndirectW(&fallback));
}

}  // namespace

Look makeLook(const Options& options) {
  Look look;
  look.background = options.background;
  if (options.classic) {
    look.base = GetSysColor(COLOR_3DFACE);
    look.text = GetSysColor(COLOR_BTNTEXT);
  } else {
    look.base = RGB(28, 36, 54);
    look.text = RGB(255, 255, 255);
  }
  look.light = shade(look.base, 30);
  look.dark = shade(look.base, -45);
  look.baseBrush.reset(CreateSolidBrush(look.base));
  look.lightBrush.reset(CreateSolidBrush(look.light));
  look.patternBrush = makeStripeBrush(look.base, shade(look.base, -25));
  look.font = makeClockFont();
  zembrik::WindowDc screen(nullptr);
  zembrik::SelectedObject keepFont(screen.get(), look.font.get());
  TEXTMETRICW metrics{};
  if (GetTextMetricsW(screen.get(), &metrics))
    look.lineHeight = static_cast<int>(metrics.tmHeight);
  return look;
}

void paintBarBackground(HDC dc, HWND window, const RECT& area, const Look& look, bool vertical) {
  HWND root = GetAncestor(window, GA_ROOT);
  POINT origin{0, 0};
  MapWindowPoints(window, root, &origin, 1);
  switch (look.background) {
    case Background::Flat:
      FillRect(dc, &area, look.baseBrush.get());
      break;
    case Background::Pattern: {
      POINT old{};
      SetBrushOrgEx(dc, -origin.x, -origin.y, &old);
      FillRect(dc, &area, look.patternBrush.get());
      SetBrushOrgEx(dc, old.x, old.y, nullptr);
      break;
    }
    case Background::Gradient: {
      // Across the bar: light at its top (left) edge, dark at the other.
      RECT rootClient{};
      GetClientRect(root, &rootClient);
      int steps = vertical ? rootClient.right : rootClient.bottom;
      int from = vertical ? area.left : area.top;
      int to = vertical ? area.right : area.bottom;
      int offset = vertical ? origin.x : origin.y;
      for (int line = from; line < to; ++line) {
        RECT strip = vertical ? RECT{line, area.top, line + 1, area.bottom}
                              : RECT{area.left, line, area.right, line + 1};
        zembrik::UniqueBrush brush(
            CreateSolidBrush(mix(look.light, look.dark, line + offset, steps)));
        FillRect(dc, &strip, brush.get());
      }
      break;
    }
  }
}

void paintTaskButtons(HDC dc, const RECT& client, const Look& look, bool vertical) {
  constexpr int kInset = 4;
  const int length = vertical ? 32 : 140;
  for (int i = 0; i < 2; ++i) {
    int start = kInset + i * (length + kInset);
    RECT button = vertical
                      ? RECT{client.left + kInset, start, client.right - kInset, start + length}
                      : RECT{start, client.top + kInset, start + length, client.bottom - kInset};
    if (button.right > client.right || button.bottom > client.bottom)
      break;
    FrameRect(dc, &button, look.lightBrush.get());
  }
}

void paintTrayIcons(HDC dc, const RECT& client, const Look&, bool vertical) {
  static const COLORREF kColours[] = {RGB(80, 160, 230), RGB(230, 170, 60)};
  constexpr int kIcon = 14;
  // As many icons as the pager has room for: its length changes while icons come and go.
  const int icons = (vertical ? client.bottom : client.right) / kTrayIconLength;
  for (int i = 0; i < icons; ++i) {
    int along = i * kTrayIconLength + (kTrayIconLength - kIcon) / 2;
    int across = ((vertical ? client.right : client.bottom) - kIcon) / 2;
    RECT icon = vertical ? RECT{across, along, across + kIcon, along + kIcon}
                         : RECT{along, across, along + kIcon, across + kIcon};
    zembrik::UniqueBrush brush(CreateSolidBrush(kColours[i % 2]));
    FillRect(dc, &icon, brush.get());
  }
}

void paintSeparator(HDC dc, const RECT& client, const Look& look, bool vertical) {
  RECT line = vertical ? RECT{client.left + 2, client.top, client.right - 2, client.top + 1}
                       : RECT{client.left, client.top + 2, client.left + 1, client.bottom - 2};
  FillRect(dc, &line, look.lightBrush.get());
}

void paintTextLines(HDC dc, const RECT& client, const Look& look,
                    const std::vector<std::wstring>& lines) {
  zembrik::SelectedObject keepFont(dc, look.font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look.text);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  int lineHeight = static_cast<int>(metrics.tmHeight);
  int total = lineHeight * static_cast<int>(lines.size());
  int top = client.top + (client.bottom - client.top - total) / 2;
  for (const auto& line : lines) {
    RECT row{client.left, top, client.right, top + lineHeight};
    DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &row,
              DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    top += lineHeight;
  }
}

}  // namespace standin
