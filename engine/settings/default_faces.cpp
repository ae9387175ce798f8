#include "engine/settings/default_faces.h"

#include "engine/settings/cell_value.h"
#include "engine/settings/font_spec.h"

namespace zembrik {

namespace {

constexpr int kBold = kBoldFontWeight;
constexpr int kNormal = kDefaultFontWeight;

constexpr std::optional<DefaultCell> kVerticalCells[] = {
    DefaultCell{u"A<>N", 8, kBold, 0},
    DefaultCell{u"S<", 8, kBold, 0},
    DefaultCell{u"<HH:mm>", 18, kBold, kCellResetY},
    DefaultCell{u"<dddd>", 10, kNormal, 0},
    DefaultCell{u"<d MMM yyyy>", 10, kBold, 0},
};

constexpr std::optional<DefaultCell> kLowHorizontalCells[] = {
    DefaultCell{u"HH:mm", 12, kBold, 0},
};

constexpr std::optional<DefaultCell> kTallHorizontalCells[] = {
    DefaultCell{u"N<' '", 8, kBold, 0},           DefaultCell{u"<dddd>", 10, kNormal, 0},
    DefaultCell{u" HH:mm", 24, kBold, 0},         DefaultCell{u"A<' '", 8, kBold, 0},
    DefaultCell{u"<d MMM yyyy>", 10, kNormal, 0}, std::nullopt,
    DefaultCell{u"S<' '", 8, kBold, 0},
};

const DefaultFace kVerticalFace{{4, 4, 0, 0}, 1, kVerticalCells};
const DefaultFace kLowHorizontalFace{{0, 0, 6, 6}, 1, kLowHorizontalCells};
const DefaultFace kTallHorizontalFace{{0, 0, 6, 6}, 3, kTallHorizontalCells};

}  // namespace

const DefaultFace& defaultFace(bool vertical, int windowHeight) noexcept {
  if (vertical)
    return kVerticalFace;
  return windowHeight < kTallHorizontalClock ? kLowHorizontalFace : kTallHorizontalFace;
}

}  // namespace zembrik
