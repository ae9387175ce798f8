#include "engine/settings/load_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

#include "engine/settings/default_faces.h"
#include "engine/settings/face_loading.h"
#include "engine/settings/font_spec.h"
#include "engine/settings/value_names.h"
#include "tests/settings/settings_fixture.h"
#include "tests/support/registry_decorators.h"

namespace zembrik::testing {
namespace {

using LoadSettings = SettingsFixture;

// A grid of `columns` x `rows` with the given cell values, row-major; empty strings are slots
// without a value.
void writeGrid(RegistryKey& set, int columns, int rows,
               std::initializer_list<std::u16string> cells) {
  writeNumber(set, u"nColumns", static_cast<std::uint32_t>(columns));
  writeNumber(set, u"nRows", static_cast<std::uint32_t>(rows));
  int i = 0;
  for (const auto& text : cells) {
    if (!text.empty())
      writeText(set, cellValueName(u"cell", i / columns, i % columns), text);
    ++i;
  }
}

TEST_F(LoadSettings, BuildsTheGridRowMajorWithEmptySlots) {
  auto set = settingsKey(u"horizontal");
  writeGrid(*set, 3, 2, {u",,,,,,:a", u"", u",,,,,,:c", u"", u",,,,,,:e", u""});
  writeNumber(*set, u"top", 1);
  writeNumber(*set, u"bottom", 2);
  writeNumber(*set, u"left", 3);
  writeNumber(*set, u"right", 0xFFFFFFFF);
  writeNumber(*set, u"separator", 0x8000003);
  writeNumber(*set, u"FlatTray", 1);
  writeNumber(*root, u"btrAlarm", 15);
  writeNumber(*root, u"hideShowDesktop", 1);

  ClockConfig clock = clockAt(false);
  ASSERT_EQ(load(clock), LoadOutcome::Loaded);

  EXPECT_EQ(clock.columns, 3);
  EXPECT_EQ(clock.rows, 2);
  EXPECT_EQ(clock.ownColumns, 3);
  EXPECT_EQ(clock.columnMetrics.size(), 3u);
  ASSERT_EQ(clock.cells.size(), 6u);
  EXPECT_EQ(clock.cellAt(0, 0)->format, u"<a>");
  EXPECT_EQ(clock.cellAt(0, 1), nullptr);
  EXPECT_EQ(clock.cellAt(0, 2)->format, u"<c>");
  EXPECT_EQ(clock.cellAt(1, 1)->format, u"<e>");
  EXPECT_EQ(clock.cellAt(1, 2), nullptr);
  EXPECT_EQ(clock.margins, (FaceMargins{1, 2, 3, -1}));
  EXPECT_EQ(clock.separator, 0x8000003u);
  EXPECT_TRUE(clock.flatTray);
  EXPECT_EQ(clock.batteryAlarmThreshold, 15u);
  EXPECT_EQ(clock.hideShowDesktop, 1u);
  EXPECT_TRUE(clock.refreshEverySecond);
}

TEST_F(LoadSettings, WrapsTheFormatByAlignmentUnlessItPlacesItself) {
  struct Case {
    std::u16string value;
    std::u16string stored;
  };
  const Case cases[] = {
      {u">,0,0,0,0,0,0:HH:mm", u">HH:mm"},
      {u"<,,,,,,:HH:mm", u"HH:mm<"},
      {u",,,,,,:HH:mm", u"<HH:mm>"},
      {u"<,,,,,,:<dddd>", u"<dddd>"},
      {u">,,,,,,:A<>N", u"A<>N"},
      {u"HH:mm", u"<>"},  // no colon after the fields: an empty format, centred
  };
  auto set = settingsKey(u"horizontal");
  writeNumber(*set, u"nColumns", 1);
  writeNumber(*set, u"nRows", 1);
  for (const auto& c : cases) {
    writeText(*set, u"cell_0_0", c.value);
    ClockConfig clock = clockAt(false);
    ASSERT_EQ(load(clock), LoadOutcome::Loaded);
    EXPECT_EQ(clock.cells.at(0)->format, c.stored) << std::string(c.value.begin(), c.value.end());
  }
}

TEST_F(LoadSettings, ReadsCellFieldsColoursBlinkAndFont) {
  auto set = settingsKey(u"horizontal");
  writeGrid(*set, 2, 1, {u"<,5,1,2,3,4,2,6,7,8,9:x", u",,,,,,:y"});
  writeText(*set, u"font_0_0", u"  8,700,:Arial");
  writeNumber(*set, u"color_0_0", 0x00FF0000);
  writeNumber(*set, u"acolor_0_0", 0x0000FF00);
  writeNumber(*set, u"blink_0_0", 0x21);
  writeText(*set, u"color_0_1", u"0x00ff00");  // a string is not a colour
  writeText(*set, u"font_0_1", u"8,700,:Refused");

  ClockConfig clock = clockAt(false);
  ASSERT_EQ(load(clock), LoadOutcome::Loaded);
  const CellConfig& a = *clock.cells.at(0);
  const std::array<int, 11> fields{a.flags,         a.leftInset,    a.rightInset,    a.topInset,
                                   a.bottomInset,   a.effect,       a.cellSeparator, a.reserved,
                                   a.stretchWeight, a.hidePriority, a.addonNumber};
  EXPECT_EQ(fields, (std::array<int, 11>{5, 1, 2, 3, 4, 2, 6, 7, 8, 9, 0}));
  EXPECT_EQ(std::tuple(a.colour, a.alternateColour, a.blinkBits),
            std::tuple(0x00FF0000u, 0x0000FF00u, 0x21u));
  ASSERT_TRUE(a.font);
  EXPECT_EQ(std::tuple(a.font->size, a.font->weight, a.font->window, a.font->dpi),
            std::tuple(8, 700, clock.placement.window.value, 96));
  EXPECT_FALSE(a.font->antialiased) << "flag bit 2 asks for no antialiasing";

  const CellConfig& b = *clock.cells.at(1);
  EXPECT_EQ(std::tuple(b.colour, b.alternateColour, b.blinkBits),
            std::tuple(kDefaultColour, kDefaultColour, 0u));
  EXPECT_FALSE(b.font) << "a refused font leaves the cell without one";
}

struct CountsCase {
  std::optional<std::uint32_t> columns;
  std::optional<std::uint32_t> rows;
  bool defaultFace;
  int expectedColumns;
  std::size_t expectedSlots;
};

class GridCounts : public SettingsFixture, public ::testing::WithParamInterface<CountsCase> {};

TEST_P(GridCounts, DecideBetweenStoredGridAndDefaultFace) {
  const CountsCase& c = GetParam();
  auto set = settingsKey(u"horizontal");
  if (c.columns)
    writeNumber(*set, u"nColumns", *c.columns);
  if (c.rows)
    writeNumber(*set, u"nRows", *c.rows);
  writeText(*set, u"cell_0_0", u",,,,,,:x");

  ClockConfig clock = clockAt(false, 0, 40);
  ASSERT_EQ(load(clock), LoadOutcome::Loaded);
  const DefaultFace& face = defaultFace(false, 40);
  std::size_t slots = c.defaultFace ? face.cells.size() : c.expectedSlots;
  int columns = c.defaultFace ? face.columns : c.expectedColumns;
  EXPECT_EQ(clock.cells.size(), slots);
  EXPECT_EQ(clock.columns, columns);
  EXPECT_EQ(clock.rows, static_cast<int>((slots + columns - 1) / columns));
  EXPECT_EQ(clock.columnMetrics.size(), static_cast<std::size_t>(columns));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridCounts,
    ::testing::Values(CountsCase{std::nullopt, std::nullopt, true, 0, 0},
                      CountsCase{3, std::nullopt, true, 0, 0},
                      CountsCase{std::nullopt, 2, true, 0, 0}, CountsCase{2, 2, false, 2, 4},
                      CountsCase{3, 0, false, 3, 0},  // no rows: an empty face
                      CountsCase{0, 2, false, 1, 0},  // no columns: empty, one layout column
                      CountsCase{0xFFFFFFFF, 2, false, 1, 0},  // negative counts as 0
                      CountsCase{0x7FFFFFFF, 1, false, kMaxGridSide, kMaxGridSide},
                      CountsCase{2, 0x7FFFFFFF, false, 2, 2 * kMaxGridSide}));

TEST_F(LoadSettings, SecondaryClockFallsBackToTheMainSetOfItsOrientation) {
  writeGrid(*settingsKey(u"vertical"), 1, 1, {u",,,,,,:main"});
  writeGrid(*settingsKey(u"horizontal_1"), 1, 1, {u",,,,,,:own"});

  ClockConfig second = clockAt(true, 2);
  ASSERT_EQ(load(second), LoadOutcome::Loaded);
  EXPECT_EQ(second.cells.at(0)->format, u"<main>");
  EXPECT_FALSE(root->openSubkey(u"vertical_2", kKeyRead)) << "the fallback creates nothing";

  ClockConfig first = clockAt(false, 1);
  ASSERT_EQ(load(first), LoadOutcome::Loaded);
  EXPECT_EQ(first.cells.at(0)->format, u"<own>");
}

TEST_F(LoadSettings, MissingRootChangesNothing) {
  writeGrid(*settingsKey(u"horizontal"), 1, 1, {u",,,,,,:kept"});
  ClockConfig clock = clockAt(false);
  ASSERT_EQ(load(clock), LoadOutcome::Loaded);
  ASSERT_EQ(deleteKeyTree(*user, kSettingsRootPath), RegStatus::Ok);
  std::uint64_t writes = registry.valueWrites();

  EXPECT_EQ(load(clock), LoadOutcome::NoSettingsRoot);
  EXPECT_EQ(clock.cells.at(0)->format, u"<kept>");
  EXPECT_EQ(registry.valueWrites(), writes);
  EXPECT_FALSE(user->openSubkey(kSettingsRootPath, kKeyRead)) << "nothing is created";
}

// Refuses to create keys whose path ends with `name`, as a key without create rights would.
class RefusingCreateKey final : public ForwardingKey {
 public:
  RefusingCreateKey(std::unique_ptr<RegistryKey> inner, std::u16string name)
      : ForwardingKey(std::move(inner)), name_(std::move(name)) {}
  OpenedKey createSubkey(std::u16string_view path, KeyAccess access,
                         KeyLifetime lifetime) override {
    if (path.ends_with(name_))
      return {RegStatus::AccessDenied, nullptr};
    return ForwardingKey::createSubkey(path, access, lifetime);
  }

 protected:
  std::unique_ptr<RegistryKey> wrap(std::unique_ptr<RegistryKey> key) override {
    return std::make_unique<RefusingCreateKey>(std::move(key), name_);
  }

 private:
  std::u16string name_;
};

TEST_F(LoadSettings, FaceStaysEmptyWhenThisOrTheClockSetCannotBeMade) {
  struct Case {
    std::u16string refused;
    LoadOutcome outcome;
  };
  for (const Case& c :
       {Case{u"this", LoadOutcome::NoThisKey}, Case{u"horizontal", LoadOutcome::NoClockSetKey}}) {
    ClockConfig clock = clockAt(false);
    ASSERT_EQ(load(clock), LoadOutcome::Loaded);
    ASSERT_FALSE(clock.cells.empty());
    ASSERT_EQ(deleteKeyTree(*root, u"horizontal"), RegStatus::Ok);
    ASSERT_EQ(deleteKeyTree(*root, u"this"), RegStatus::Ok);

    RefusingCreateKey refusing(registry.currentUser(), c.refused);
    SettingsSources from{refusing, fonts, names, zones};
    EXPECT_EQ(loadSettings(clock, from), c.outcome);
    EXPECT_TRUE(clock.cells.empty());
    EXPECT_EQ(clock.rows, 0);
    EXPECT_EQ(clock.columns, 1);
    EXPECT_EQ(fonts.fontCount(), 0u) << "the old face's fonts went with it";
  }
}

TEST_F(LoadSettings, ReadsTheNameTextsFromTheRoot) {
  writeText(*root, u"textAM", u"vorm.");
  writeText(*root, u"textCapsOff", u"");
  ClockConfig clock = clockAt(false);
  ASSERT_EQ(load(clock), LoadOutcome::Loaded);
  EXPECT_EQ(names.text(NameText::AM), u"vorm.");
  EXPECT_EQ(names.text(NameText::CapsOff), u"");
  EXPECT_EQ(names.text(NameText::PM), u"PM");
}

TEST_F(LoadSettings, ReleasesAReplacedFontOnlyWhenNoCellUsesIt) {
  auto set = settingsKey(u"horizontal");
  writeGrid(*set, 2, 1, {u",,,,,,:a", u",,,,,,:b"});
  writeText(*set, u"font_0_0", u"8,700,,:Arial");
  writeText(*set, u"font_0_1", u"8,700,,:Arial");
  ClockConfig clock = clockAt(false);
  ClockConfig other = clockAt(false);  // another clock on the same window shares the fonts
  ASSERT_EQ(load(clock), LoadOutcome::Loaded);
  ASSERT_EQ(load(other), LoadOutcome::Loaded);
  ASSERT_EQ(clock.cells[0]->font.get(), clock.cells[1]->font.get());
  ASSERT_EQ(clock.cells[0]->font.get(), other.cells[0]->font.get());
  FontHandle eight = clock.cells[0]->font->handle;
  ASSERT_EQ(factory.created.size(), 1u);

  auto deleted = [&](FontHandle h) {
    return std::find(factory.deleted.begin(), factory.deleted.end(), h) != factory.deleted.end();
  };
  writeText(*set, u"font_0_1", u"9,700,,:Arial");
  ASSERT_EQ(load(clock), LoadOutcome::Loaded);
  EXPECT_EQ(clock.cells[0]->font->handle, eight) << "still used by both clocks";
  EXPECT_EQ(clock.cells[1]->font->size, 9);

  writeText(*set, u"font_0_0", u"9,700,,:Arial");
  ASSERT_EQ(load(clock), LoadOutcome::Loaded);
  EXPECT_FALSE(deleted(eight)) << "the other clock still uses the 8-point font";
  EXPECT_EQ(fonts.fontAt(0)->handle, eight);
  ASSERT_EQ(load(other), LoadOutcome::Loaded);
  EXPECT_TRUE(deleted(eight));
  EXPECT_EQ(fonts.fontAt(0), nullptr) << "its slot is emptied for reuse";
  EXPECT_EQ(fonts.fontCount(), 1u);
  EXPECT_EQ(factory.live.size(), 1u);
}

}  // namespace
}  // namespace zembrik::testing
