// The Clock page model over an in-memory registry: loading and defaults, the selected cell's
// fields, and every edit with what it writes and when it notifies.
#include "tests/clock_page/clock_page_fixture.h"

namespace zembrik::testing {
namespace {

using PageModel = ClockPageFixture;

TEST_F(PageModel, ASetWithoutALayoutGetsTheDefaultForItsOrientationWrittenAtOnce) {
  struct Case {
    std::int32_t set;
    const char16_t* key;
    int height;
    int columns;
    int rows;
    const char16_t* probe;  // a cell value name and what it holds
    const char16_t* cell;
    const char16_t* font;
  };
  const Case cases[] = {
      {static_cast<std::int32_t>(0x80000000), u"vertical", 40, 1, 5, u"2_0", u",2,,,,4,:HH:mm",
       u"18,700,:Arial"},
      {-1, u"vertical_1", 40, 1, 5, u"0_0", u",,,,,,:A<>N", u"8,700,:Arial"},
      {0, u"horizontal", 29, 1, 1, u"0_0", u",,6,4,,,:HH:mm", u"12,700,:Arial"},
      {0, u"horizontal", 30, 3, 3, u"0_2", u",,,,,,:' 'HH:mm", u"24,700,:Arial"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key, c.key + std::char_traits<char16_t>::length(c.key)));
    root->deleteSubkey(c.key);
    log.clear();
    services.height = c.height;
    services.selectSet(c.set, c.key);
    ASSERT_TRUE(page.afterSelectClockSet(true));
    EXPECT_EQ(number(c.key, u"nColumns"), static_cast<std::uint32_t>(c.columns));
    EXPECT_EQ(number(c.key, u"nRows"), static_cast<std::uint32_t>(c.rows));
    EXPECT_EQ(text(c.key, std::u16string(u"cell_") + c.probe), c.cell);
    EXPECT_EQ(text(c.key, std::u16string(u"font_") + c.probe), c.font);
    EXPECT_EQ(page.layout().rows, c.rows);
    expectOneNotificationLast();
  }
  // The tall face leaves its empty positions without values.
  EXPECT_EQ(text(u"horizontal", u"cell_1_1"), u",,,,,,:d MMM yyyy");
  EXPECT_EQ(text(u"horizontal", u"cell_1_2"), u"<absent>");
}

TEST_F(PageModel, LoadingAndSavingKeepsWhatThePageWroteAndNormalisesOlderValues) {
  store(u"horizontal", 2, 2,
        {{u"cell_0_0", u",,,,,,:' 'HH:mm"},
         {u"cell_0_1", u"<,,,,,,:x<"},
         {u"cell_1_0", u"<,0,0,0,0,0,0:HH:mm"},
         {u"cell_1_1", u",,,,,,:<HH:mm>"},
         {u"font_1_1", u"9,,:Tahoma"}});
  open();
  EXPECT_EQ(page.gridText(0, 0), u"' 'HH:mm");
  EXPECT_EQ(page.gridText(1, 0), u"HH:mm<");
  EXPECT_EQ(page.gridText(1, 1), u"HH:mm");
  ASSERT_TRUE(page.seedNewKey(false));
  EXPECT_EQ(text(u"horizontal", u"cell_0_0"), u",,,,,,:' 'HH:mm");
  EXPECT_EQ(text(u"horizontal", u"cell_0_1"), u",,,,,,:x<");
  EXPECT_EQ(text(u"horizontal", u"cell_1_0"), u",,,,,,:HH:mm<");
  EXPECT_EQ(text(u"horizontal", u"cell_1_1"), u",,,,,,:HH:mm");
  EXPECT_EQ(text(u"horizontal", u"font_1_1"), u"9,,:Tahoma");
  // A second save changes nothing.
  log.clear();
  page.seedNewKey(false);
  EXPECT_TRUE(log.empty());
}

TEST_F(PageModel, AnIdleRefreshReadsNothingWritesNothingAndNotifiesNobody) {
  store(u"horizontal", 1, 1, {{u"cell_0_0", u",,,,,,:HH:mm"}});
  open();
  auto writesBefore = registry.valueWrites();
  for (int tick = 0; tick < 5; ++tick) EXPECT_FALSE(page.afterSelectClockSet(false));
  EXPECT_EQ(registry.valueWrites(), writesBefore);
  EXPECT_TRUE(log.empty());
  // A changed set reloads; with its layout stored there is nothing to write or announce.
  EXPECT_TRUE(page.afterSelectClockSet(true));
  EXPECT_TRUE(log.empty());
}

TEST_F(PageModel, TheSelectedCellShowsItsFieldsOrTheFirstNeighbourFont) {
  store(u"horizontal", 3, 3,
        {{u"cell_1_1", u"<,5,1,2,3,4,2,7,3,1,9:x"},
         {u"cell_1_0", u",,,,,,:a"},
         {u"cell_0_1", u",,,,,,:b"},
         {u"font_0_1", u"8,,:Above"},
         {u"cell_2_1", u",,,,,,:c"},
         {u"font_2_1", u"8,,:Below"},
         {u"cell_1_2", u",,,,,,:d"},
         {u"font_1_2", u"8,,:Right"}});
  auto key = setKey(u"horizontal");
  writeNumber(*key, u"color_1_1", 0x123456);
  open();

  selectCell(1, 1);
  std::optional<CellFields> fields = page.selectedCellFields();
  ASSERT_TRUE(fields);
  EXPECT_EQ(fields->text, u"x<");
  EXPECT_EQ(std::tie(fields->leftInset, fields->rightInset, fields->aboveInset, fields->belowInset),
            std::make_tuple(1, 2, 3, 4));
  EXPECT_EQ(fields->effect, 2);
  EXPECT_EQ(fields->reset, 1);
  EXPECT_FALSE(fields->antialias);  // flags bit 2
  EXPECT_EQ(fields->rank, 9);
  EXPECT_EQ(fields->leftSeparator, (CellSeparatorBoxes{true, true, false}));
  EXPECT_EQ(fields->rightSeparator, (CellSeparatorBoxes{true, true, true}));
  EXPECT_TRUE(fields->centreVertically);
  EXPECT_TRUE(fields->colorChecked);
  EXPECT_EQ(fields->colorText, u"0x123456");

  // Neighbours in the order left, right, above, below: the left one has no font.
  selectCell(0, 2);  // left (0,1) has "Above"'s font
  EXPECT_EQ(page.selectedCellFields()->fontDescription, u"[8,,:Above]");
  selectCell(2, 2);  // left (2,1) "Below", before above (1,2) "Right"
  EXPECT_EQ(page.selectedCellFields()->fontDescription, u"[8,,:Below]");
  selectCell(2, 0);  // left none, right (2,1) "Below"
  EXPECT_EQ(page.selectedCellFields()->fontDescription, u"[8,,:Below]");
  selectCell(0, 0);  // right (0,1) "Above"
  EXPECT_EQ(page.selectedCellFields()->fontDescription, u"[8,,:Above]");

  page.select({0, 0, 1, 1, 0, 0, 4});
  EXPECT_FALSE(page.selectedCellFields());
}

TEST_F(PageModel, ANeighbourFontIsTakenByTheFirstTextAndWrittenBeforeIt) {
  store(u"horizontal", 2, 1, {{u"cell_0_0", u",,,,,,:a"}, {u"font_0_0", u"11,700,:Face"}});
  open();
  selectCell(0, 1);
  ASSERT_TRUE(page.setText(u"H"));
  EXPECT_EQ(text(u"horizontal", u"font_0_1"), u"11,700,:Face");
  EXPECT_EQ(log, (EventLog{u"set font_0_1", u"set cell_0_1", u"notify 0"}));
  // Once it has a font of its own, later texts write only the cell.
  log.clear();
  page.setText(u"HH");
  EXPECT_EQ(log, (EventLog{u"set cell_0_1", u"notify 0"}));
}

TEST_F(PageModel, NumericFieldsWriteOnlyNumbersInRangeAndClampTheRank) {
  store(u"horizontal", 1, 1, {{u"cell_0_0", u",,,,,,:HH:mm"}});
  open();
  selectCell(0, 0);
  struct Case {
    std::u16string_view typed;
    FieldInput input;
    int shown;
  };
  // Typing "-5" passes through "-": nothing is written until it is a number.
  const Case insets[] = {
      {u"-", FieldInput::NotANumber, 0},      {u"-5", FieldInput::Written, -5},
      {u"12a", FieldInput::NotANumber, -5},   {u"", FieldInput::NotANumber, -5},
      {u"10001", FieldInput::OutOfRange, -5}, {u"-10000", FieldInput::Written, -10000}};
  for (const Case& c : insets) {
    FieldResult result = page.setInset(InsetSide::Left, c.typed);
    EXPECT_EQ(result.input, c.input) << std::string(c.typed.begin(), c.typed.end());
    EXPECT_EQ(result.value, c.shown);
  }
  EXPECT_EQ(text(u"horizontal", u"cell_0_0"), u",,-10000,,,,:HH:mm");
  EXPECT_EQ(std::count(log.begin(), log.end(), u"set cell_0_0"), 2);

  const Case ranks[] = {{u"150", FieldInput::Written, 100},
                        {u"-3", FieldInput::Written, 0},
                        {u"x", FieldInput::NotANumber, 0},
                        {u"42", FieldInput::Written, 42}};
  for (const Case& c : ranks) {
    FieldResult result = page.setRank(c.typed);
    EXPECT_EQ(result.input, c.input);
    EXPECT_EQ(result.value, c.shown);
  }
  EXPECT_EQ(text(u"horizontal", u"cell_0_0"), u",,-10000,,,,,,,,42:HH:mm");
  EXPECT_FALSE(fieldHint(FieldInput::NotANumber).empty());
  EXPECT_TRUE(fieldHint(FieldInput::Written).empty());
}

TEST_F(PageModel, FlagEditsChangeOnlyTheirOwnBits) {
  store(u"horizontal", 1, 1, {{u"cell_0_0", u",7,,,,,:x"}});
  open();
  selectCell(0, 0);
  page.setReset(1);  // bit 2 (anti-aliasing off) stays
  EXPECT_EQ(text(u"horizontal", u"cell_0_0"), u",5,,,,,:x");
  page.setAntialias(true);  // clears bit 2 only
  EXPECT_EQ(text(u"horizontal", u"cell_0_0"), u",1,,,,,:x");
  page.setLeftSeparator({true, true, false});
  page.setRightSeparator({true, false, true});
  page.setCentreVertically(true);
  page.setEffect(3);
  EXPECT_EQ(text(u"horizontal", u"cell_0_0"), u",1,,,,,3,7,1,1,:x");
}

TEST_F(PageModel, UncheckingAndRecheckingColorRestoresTheColour) {
  store(u"horizontal", 1, 1, {{u"cell_0_0", u",,,,,,:x"}});
  writeNumber(*setKey(u"horizontal"), u"color_0_0", 0x00FF00);
  open();
  selectCell(0, 0);
  ASSERT_TRUE(page.setColorChecked(false));
  EXPECT_FALSE(number(u"horizontal", u"color_0_0"));
  EXPECT_EQ(number(u"horizontal", u"_color_0_0"), 0x00FF00u);
  EXPECT_FALSE(page.selectedCellFields()->colorChecked);
  EXPECT_EQ(page.selectedCellFields()->colorText, u"0x00ff00");
  expectOneNotificationLast();

  ASSERT_TRUE(page.setColorChecked(true));
  EXPECT_EQ(number(u"horizontal", u"color_0_0"), 0x00FF00u);
  EXPECT_FALSE(number(u"horizontal", u"_color_0_0"));
  // Without a kept colour the box starts from white; the dialog's choice is written.
  page.setColorChecked(false);
  setKey(u"horizontal")->deleteValue(u"_color_0_0");
  page.setColorChecked(true);
  EXPECT_EQ(page.colorForDialog(), 0xFFFFFFu);
  page.applyChosenColor(0x0000FF);
  EXPECT_EQ(number(u"horizontal", u"color_0_0"), 0x0000FFu);
  EXPECT_EQ(page.selectedCellFields()->colorText, u"0x0000ff");
}

TEST_F(PageModel, TheFontDialogStartsFromTheNeighbourAndCancelGivesItBack) {
  store(u"horizontal", 2, 1,
        {{u"cell_0_0", u",,,,,,:a"}, {u"font_0_0", u"10,700,:Liberation Sans"}});
  open();
  selectCell(0, 1);
  std::optional<FontDialogFont> start = page.beginFontDialog();
  ASSERT_TRUE(start);
  EXPECT_EQ(std::tie(start->pointSize, start->weight, start->face),
            std::make_tuple(10, 700, std::u16string(u"Liberation Sans")));
  page.finishFontDialog(std::nullopt);
  EXPECT_EQ(text(u"horizontal", u"font_0_1"), u"<absent>");
  EXPECT_TRUE(log.empty());

  selectCell(0, 1);
  ASSERT_TRUE(page.beginFontDialog());
  page.finishFontDialog(FontDialogFont{14, 400, u"Liberation Serif"});
  EXPECT_EQ(text(u"horizontal", u"font_0_1"), u"14,400,,:Liberation Serif");
  EXPECT_EQ(page.selectedCellFields()->fontDescription, u"[14,400,,:Liberation Serif]");
  expectOneNotificationLast();
}

TEST_F(PageModel, DefaultFontForTheDialogIs24PointArial) {
  store(u"horizontal", 1, 1, {});
  open();
  selectCell(0, 0);
  std::optional<FontDialogFont> start = page.beginFontDialog();
  ASSERT_TRUE(start);
  EXPECT_EQ(std::tie(start->pointSize, start->face), std::make_tuple(24, std::u16string(u"Arial")));
}

TEST_F(PageModel, SpaceAroundTheClockAndSeparatorsWaitForInitialisation) {
  writeNumber(*setKey(u"horizontal"), u"separator", 1);  // the older encoding
  store(u"horizontal", 1, 1, {});
  page.afterSelectClockSet(true);
  EXPECT_EQ(page.faceSeparators(), (FaceSeparatorBoxes{true, false, false}));
  log.clear();
  EXPECT_EQ(page.setMargin(MarginSide::Top, u"3").input, FieldInput::NotWritten);
  EXPECT_FALSE(page.setFaceSeparators(page.faceSeparators()));
  EXPECT_TRUE(log.empty());

  page.markInitialised();
  EXPECT_EQ(page.setMargin(MarginSide::Top, u"3").input, FieldInput::Written);
  EXPECT_EQ(page.setMargin(MarginSide::Right, u"-").input, FieldInput::NotANumber);
  EXPECT_TRUE(page.setFaceSeparators(page.faceSeparators()));
  EXPECT_EQ(number(u"horizontal", u"top"), 3u);
  EXPECT_EQ(number(u"horizontal", u"separator"), 0x88000002u);
}

TEST_F(PageModel, TheFirstEditOfASecondarySetCopiesTheSetThenWrites) {
  store(u"horizontal", 1, 1, {{u"cell_0_0", u",,6,4,,,:HH:mm"}, {u"font_0_0", u"12,700,:Arial"}});
  writeNumber(*setKey(u"horizontal"), u"left", 2);
  services.selectSet(1, u"horizontal_1", u"horizontal");
  open();
  selectCell(0, 0);
  ASSERT_TRUE(page.setText(u"HH:mm:ss"));
  EXPECT_EQ(log.front(), u"own key");
  expectOneNotificationLast();
  EXPECT_EQ(text(u"horizontal_1", u"cell_0_0"), u",,6,4,,,:HH:mm:ss");
  EXPECT_EQ(text(u"horizontal_1", u"font_0_0"), u"12,700,:Arial");
  EXPECT_EQ(number(u"horizontal_1", u"left"), 2u);
  EXPECT_EQ(number(u"horizontal_1", u"separator"), 0x80000002u);
  // The primary set is untouched.
  EXPECT_EQ(text(u"horizontal", u"cell_0_0"), u",,6,4,,,:HH:mm");
  EXPECT_FALSE(number(u"horizontal", u"separator"));
}

TEST_F(PageModel, AnEditWhoseKeyCannotBeMadeIsNotKept) {
  store(u"horizontal", 1, 1, {{u"cell_0_0", u",,,,,,:HH:mm"}});
  open();
  selectCell(0, 0);
  services.failOwnKey = true;
  EXPECT_FALSE(page.setText(u"x"));
  EXPECT_EQ(page.setRank(u"5").input, FieldInput::NotWritten);
  EXPECT_EQ(page.selectedCellFields()->text, u"HH:mm");
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace zembrik::testing
