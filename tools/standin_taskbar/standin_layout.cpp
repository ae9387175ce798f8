#include "tools/standin_taskbar/standin_layout.h"

#include <algorithm>

namespace standin {
namespace {

std::uint32_t clampHalf(int value) {
  return static_cast<std::uint32_t>(std::clamp(value, 0, 0xFFFF));
}

std::uint32_t signedHalf(int value) {
  return static_cast<std::uint16_t>(static_cast<std::int16_t>(std::clamp(value, -32768, 32767)));
}

// Along-bar length and cross size, swapped into a width and height.
Size oriented(bool vertical, int along, int across) {
  return vertical ? Size{across, along} : Size{along, across};
}

Rect span(bool vertical, int from, int to, int across) {
  return vertical ? Rect{0, from, across, to} : Rect{from, 0, to, across};
}

}  // namespace

bool isVertical(Edge edge) {
  return edge == Edge::Left || edge == Edge::Right;
}

Rect taskbarRect(const Rect& monitor, Edge edge, int thickness) {
  Rect bar = monitor;
  switch (edge) {
    case Edge::Bottom:
      bar.top = monitor.bottom - thickness;
      break;
    case Edge::Top:
      bar.bottom = monitor.top + thickness;
      break;
    case Edge::Left:
      bar.right = monitor.left + thickness;
      break;
    case Edge::Right:
      bar.left = monitor.right - thickness;
      break;
  }
  return bar;
}

std::uint32_t packSize(Size size) {
  return clampHalf(size.cx) | clampHalf(size.cy) << 16;
}

Size unpackSize(std::uint32_t packed) {
  return {static_cast<int>(packed & 0xFFFF), static_cast<int>(packed >> 16)};
}

std::uint32_t packPoint(int x, int y) {
  return signedHalf(x) | signedHalf(y) << 16;
}

Size nativeClockSize(bool vertical, int cross, Size text) {
  int along = vertical ? text.cy + 2 * kClockPaddingCross : text.cx + 2 * kClockPaddingMain;
  return oriented(vertical, along, std::max(cross, 0));
}

Size notifyAreaSize(bool vertical, int barCross, Size clock, bool showDesktop, Size frame,
                    int pagerLength) {
  int clockLength = std::max(vertical ? clock.cy : clock.cx, 0);
  int along = std::max(pagerLength, 0) + clockLength + (showDesktop ? kShowDesktopLength : 0);
  return vertical ? Size{barCross, along + frame.cy} : Size{along + frame.cx, barCross};
}

TaskbarLayout layoutTaskbar(Size client, bool vertical, Size notifySize) {
  int length = vertical ? client.cy : client.cx;
  int across = vertical ? client.cx : client.cy;
  int notifyLength = std::clamp(vertical ? notifySize.cy : notifySize.cx, 0, length);
  int split = length - notifyLength;
  return {span(vertical, 0, split, across), span(vertical, split, length, across)};
}

NotifyLayout layoutNotifyArea(Size client, bool vertical, Size clock, bool showDesktop,
                              int pagerLength) {
  int across = vertical ? client.cx : client.cy;
  pagerLength = std::max(pagerLength, 0);
  int clockEnd = pagerLength + std::max(vertical ? clock.cy : clock.cx, 0);
  NotifyLayout layout;
  layout.pager = span(vertical, 0, pagerLength, across);
  layout.clock = span(vertical, pagerLength, clockEnd, across);
  if (showDesktop)
    layout.showDesktop = span(vertical, clockEnd, clockEnd + kShowDesktopLength, across);
  return layout;
}

SecondaryLayout layoutSecondary(Size client, bool vertical, Size clock) {
  int length = vertical ? client.cy : client.cx;
  int across = vertical ? client.cx : client.cy;
  int split = length - std::clamp(vertical ? clock.cy : clock.cx, 0, length);
  return {span(vertical, 0, split, across), span(vertical, split, length, across)};
}

Rect placePopup(const Rect& anchor, Size popup, const Rect& monitor, bool vertical) {
  int x = 0;
  int y = 0;
  if (vertical) {
    bool right = anchor.left - monitor.left < monitor.right - anchor.right;
    x = right ? anchor.right : anchor.left - popup.cx;
    y = anchor.bottom - popup.cy;
  } else {
    bool below = anchor.top - monitor.top < monitor.bottom - anchor.bottom;
    x = anchor.right - popup.cx;
    y = below ? anchor.bottom : anchor.top - popup.cy;
  }
  x = std::clamp(x, monitor.left, std::max(monitor.left, monitor.right - popup.cx));
  y = std::clamp(y, monitor.top, std::max(monitor.top, monitor.bottom - popup.cy));
  return {x, y, x + popup.cx, y + popup.cy};
}

}  // namespace standin
