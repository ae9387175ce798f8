#include "engine/options/clock_page_defaults.h"

#include <optional>
#include <span>
#include <string_view>

#include "engine/settings/default_faces.h"

namespace zembrik {

namespace {

struct DefaultPageCell {
  std::u16string_view text;
  std::u16string_view font;
  std::uint8_t flags = 0;
  int leftInset = 0;
  int rightInset = 0;
  int bottomInset = 0;
};

constexpr std::u16string_view kSmallBold = u"8,700,:Arial";

constexpr std::optional<DefaultPageCell> kVertical[] = {
    DefaultPageCell{u"A<>N", kSmallBold},
    DefaultPageCell{u"S<", kSmallBold},
    DefaultPageCell{u"HH:mm", u"18,700,:Arial", kCellResetY, 0, 0, 4},
    DefaultPageCell{u"dddd", u"10,,:Arial"},
    DefaultPageCell{u"d MMM yyyy", u"10,700,:Arial"},
};

constexpr std::optional<DefaultPageCell> kTallHorizontal[] = {
    DefaultPageCell{u"N<' '", kSmallBold},
    DefaultPageCell{u"dddd", u"10,,:Arial"},
    DefaultPageCell{u"' 'HH:mm", u"24,700,:Arial"},
    DefaultPageCell{u"A<' '", kSmallBold},
    DefaultPageCell{u"d MMM yyyy", u"10,,:Arial"},
    std::nullopt,
    DefaultPageCell{u"S<' '", kSmallBold},
    std::nullopt,
    std::nullopt,
};

constexpr std::optional<DefaultPageCell> kLowHorizontal[] = {
    DefaultPageCell{u"HH:mm", u"12,700,:Arial", 0, 6, 4},
};

ClockPageLayout layoutOf(int columns, int rows,
                         std::span<const std::optional<DefaultPageCell>> cells) {
  ClockPageLayout layout;
  layout.columns = columns;
  layout.rows = rows;
  for (const std::optional<DefaultPageCell>& source : cells) {
    if (!source) {
      layout.cells.emplace_back();
      continue;
    }
    ClockPageCell cell;
    cell.value.format = std::u16string(source->text);
    cell.value.flags = source->flags;
    cell.value.leftInset = source->leftInset;
    cell.value.rightInset = source->rightInset;
    cell.value.bottomInset = source->bottomInset;
    cell.font = std::u16string(source->font);
    layout.cells.emplace_back(std::move(cell));
  }
  return layout;
}

}  // namespace

ClockPageLayout defaultClockPageLayout(bool vertical, int measuredHeight) {
  if (vertical)
    return layoutOf(1, 5, kVertical);
  if (measuredHeight >= kTallHorizontalClock)
    return layoutOf(3, 3, kTallHorizontal);
  return layoutOf(1, 1, kLowHorizontal);
}

}  // namespace zembrik
