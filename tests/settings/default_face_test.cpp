// The built-in faces, loaded from settings that hold no grid, and the same faces stored as the
// options program stores cells: both must give the same face with the same shared fonts.
#include <gtest/gtest.h>

#include "engine/settings/cell_value.h"
#include "engine/settings/default_faces.h"
#include "engine/settings/value_names.h"
#include "tests/settings/settings_fixture.h"

namespace zembrik::testing {
namespace {

struct FaceCase {
  const char* name;
  bool vertical;
  int windowHeight;
};

class DefaultFaces : public SettingsFixture, public ::testing::WithParamInterface<FaceCase> {};

// Trailing empty segments draw nothing: "HH:mm<" and "HH:mm" show the same.
CompiledFormat withoutTrailingEmpty(CompiledFormat segments) {
  while (segments.size() > 1 && segments.back().empty()) segments.pop_back();
  return segments;
}

std::u16string storedFont(const DefaultCell& cell) {
  return decimalText(cell.size) + u"," + decimalText(cell.weight) + u",,:Arial";
}

// The cell as the options program writes it: left alignment, the flags with bit 2 for the
// unsmoothed font, the font spec "%d,%d,,:%s".
std::u16string storedCell(const DefaultCell& cell) {
  return u"<," + decimalText(cell.flags | kCellNoAntialias) + u",,,,,:" +
         std::u16string(cell.format);
}

TEST_P(DefaultFaces, LoadWhenTheSetHasNoGridAndSurviveStoring) {
  const FaceCase& c = GetParam();
  const DefaultFace& face = defaultFace(c.vertical, c.windowHeight);

  ClockConfig builtIn = clockAt(c.vertical, 0, c.windowHeight);
  ASSERT_EQ(load(builtIn), LoadOutcome::Loaded);
  auto set = root->openSubkey(c.vertical ? u"vertical" : u"horizontal", kKeyRead);
  ASSERT_TRUE(set) << "the clock-set key is created";
  std::uint32_t subkeys = 0, values = 0;
  ASSERT_EQ(set.key->countEntries(subkeys, values), RegStatus::Ok);
  EXPECT_EQ(values, 0u) << "and left empty";

  EXPECT_EQ(builtIn.margins, face.margins);
  EXPECT_EQ(builtIn.columns, face.columns);
  EXPECT_EQ(builtIn.rows, static_cast<int>((face.cells.size() + face.columns - 1) / face.columns));
  ASSERT_EQ(builtIn.cells.size(), face.cells.size());
  for (std::size_t i = 0; i < face.cells.size(); ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(builtIn.cells[i] != nullptr, face.cells[i].has_value());
    if (!face.cells[i])
      continue;
    const CellConfig& cell = *builtIn.cells[i];
    EXPECT_EQ(cell.format, face.cells[i]->format) << "taken as written";
    EXPECT_EQ(cell.flags, face.cells[i]->flags);
    ASSERT_TRUE(cell.font);
    EXPECT_EQ(cell.font->face, "Arial");
    EXPECT_EQ(cell.font->size, face.cells[i]->size);
    EXPECT_EQ(cell.font->weight, face.cells[i]->weight);
    EXPECT_FALSE(cell.font->antialiased);
    EXPECT_EQ(cell.font->dpi, 96);
  }

  // Store it, and load it into a second clock of the same window.
  auto writable = settingsKey(c.vertical ? u"vertical_1" : u"horizontal_1");
  writeNumber(*writable, u"nColumns", static_cast<std::uint32_t>(face.columns));
  writeNumber(*writable, u"nRows", static_cast<std::uint32_t>(builtIn.rows));
  writeNumber(*writable, u"top", static_cast<std::uint32_t>(face.margins.top));
  writeNumber(*writable, u"bottom", static_cast<std::uint32_t>(face.margins.bottom));
  writeNumber(*writable, u"left", static_cast<std::uint32_t>(face.margins.left));
  writeNumber(*writable, u"right", static_cast<std::uint32_t>(face.margins.right));
  for (std::size_t i = 0; i < face.cells.size(); ++i) {
    if (!face.cells[i])
      continue;
    int row = static_cast<int>(i) / face.columns, column = static_cast<int>(i) % face.columns;
    writeText(*writable, cellValueName(u"cell", row, column), storedCell(*face.cells[i]));
    writeText(*writable, cellValueName(u"font", row, column), storedFont(*face.cells[i]));
  }
  std::size_t fontsMade = factory.created.size();

  ClockConfig stored = clockAt(c.vertical, 1, c.windowHeight);
  stored.placement.window = builtIn.placement.window;
  ASSERT_EQ(load(stored), LoadOutcome::Loaded);
  EXPECT_EQ(factory.created.size(), fontsMade) << "the stored face shares the built-in fonts";
  EXPECT_EQ(stored.margins, builtIn.margins);
  EXPECT_EQ(stored.columns, builtIn.columns);
  EXPECT_EQ(stored.rows, builtIn.rows);
  ASSERT_GE(stored.cells.size(), builtIn.cells.size());
  for (std::size_t i = 0; i < stored.cells.size(); ++i) {
    SCOPED_TRACE(i);
    if (i >= builtIn.cells.size() || !builtIn.cells[i]) {
      EXPECT_EQ(stored.cells[i], nullptr);
      continue;
    }
    ASSERT_NE(stored.cells[i], nullptr);
    EXPECT_EQ(stored.cells[i]->font.get(), builtIn.cells[i]->font.get());
    EXPECT_EQ(stored.cells[i]->flags & ~kCellNoAntialias, builtIn.cells[i]->flags);
    EXPECT_EQ(withoutTrailingEmpty(stored.cells[i]->compiled),
              withoutTrailingEmpty(builtIn.cells[i]->compiled));
  }
}

std::string faceName(const ::testing::TestParamInfo<FaceCase>& face) {
  return face.param.name;
}

INSTANTIATE_TEST_SUITE_P(Faces, DefaultFaces,
                         ::testing::Values(FaceCase{"Vertical", true, 200},
                                           FaceCase{"LowHorizontal", false, 29},
                                           FaceCase{"TallHorizontal", false, 30}),
                         faceName);

}  // namespace
}  // namespace zembrik::testing
