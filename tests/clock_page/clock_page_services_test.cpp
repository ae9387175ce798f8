// The Clock page over the editor's real clock-set state: the own-key operation, the default
// layout's measured height, and whom an edit tells.
#include "engine/options/clock_page_services.h"
#include "tests/engine_options/clock_set_fixture.h"

namespace zembrik::testing {
namespace {

class PageOnClockSets : public ClockSetFixture {
 protected:
  std::u16string text(std::u16string_view path, std::u16string_view name) {
    return readText(*key(path), name).value_or(u"<absent>");
  }
  ClockSetPageServices services{model, windows};
  ClockPageModel clockPage{services};
};

TEST_F(PageOnClockSets, ThePrimaryClockHeightChoosesTheDefaultAndTheEditedClockIsTold) {
  windows.host = 0x900;
  windows.primary =
      PrimaryTaskbarWindows{0x100, {1200, 760, 1280, 800}, ScreenRect{0, 760, 1150, 800}};
  model.selectClockSet(kUndeterminedSet, nullptr);
  clockPage.afterSelectClockSet(true);
  EXPECT_EQ(clockPage.layout().columns, 3);  // a 40-pixel clock
  EXPECT_EQ(text(u"horizontal", u"cell_0_2"), u",,,,,,:' 'HH:mm");
  EXPECT_EQ(windows.posted, (std::vector<WindowRef>{0x900, 0x100}));
}

TEST_F(PageOnClockSets, TheFirstEditOfASecondarySetCopiesTheStandInThenWrites) {
  windows.horizontalPrimary();
  windows.secondaries = {{0x200, {1280, 0, 2560, 40}}};
  running(1, 0x200);
  auto primary = key(u"horizontal");
  writeNumber(*primary, u"nColumns", 1);
  writeNumber(*primary, u"nRows", 1);
  writeText(*primary, u"cell_0_0", u",,6,4,,,:HH:mm");
  writeNumber(*primary, u"top", 3);
  model.chooseClockSet(1, &page);
  ASSERT_TRUE(model.usesStandInKey());
  clockPage.afterSelectClockSet(true);
  clockPage.markInitialised();
  clockPage.select({0, 0, 0, 0, 0, 0, 1});
  ASSERT_TRUE(clockPage.setText(u"HH:mm:ss"));
  EXPECT_EQ(text(u"horizontal_1", u"cell_0_0"), u",,6,4,,,:HH:mm:ss");
  EXPECT_EQ(number(u"horizontal_1", u"top"), 3u);
  EXPECT_EQ(number(u"horizontal_1", u"separator"), 0x80000002u);
  EXPECT_EQ(text(u"horizontal", u"cell_0_0"), u",,6,4,,,:HH:mm");
  EXPECT_FALSE(number(u"horizontal", u"separator"));
}

}  // namespace
}  // namespace zembrik::testing
