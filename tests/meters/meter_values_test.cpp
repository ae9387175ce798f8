// Parsing of the meter values.
#include <gtest/gtest.h>

#include "engine/meters/meter_values.h"

namespace zembrik {
namespace {

struct BarCase {
  std::u16string_view text;
  BarSettings expected;
};

TEST(BarValue, ParsesAsWritten) {
  const BarCase cases[] = {
      {u"R65280,4,2", {65280, 65280, BarEdge::Right, 4, 2}},
      {u"r65280,4,2", {}},  // switched off in the options program
      {u"x1,2,3", {}},
      {u"", {}},
      {u"   ", {}},
      {u"  L 255 , 3 , 1", {255, 255, BarEdge::Left, 3, 1}},
      {u"D16711680/255,5,-1", {16711680, 255, BarEdge::Bottom, 5, -1}},
      {u"U 1 /  2 ,7,0", {1, 2, BarEdge::Top, 7, 0}},
      {u"L,5,6", {0, 0, BarEdge::Left, 5, 6}},
      {u"R12", {12, 12, BarEdge::Right, 0, 0}},
      {u"R1,2", {1, 1, BarEdge::Right, 2, 0}},
      {u"R12,300,2", {12, 12, BarEdge::Right, 44, 2}},  // kept in 8 bits
      {u"R12,4,200", {12, 12, BarEdge::Right, 4, -56}},
      {u"R4294967295,3,1", {0xFFFFFFFF, 0xFFFFFFFF, BarEdge::Right, 3, 1}},
      {u"R-1,3,1", {0xFFFFFFFF, 0xFFFFFFFF, BarEdge::Right, 3, 1}},
      {u"R99999999999999999999,3,1", {0x630FFFFF, 0x630FFFFF, BarEdge::Right, 3, 1}},
      {u"R12junk,,4", {12, 12, BarEdge::Right, 0, 4}},
      {u"R12/,4,1", {12, 0, BarEdge::Right, 4, 1}},
      {u"R,,", {0, 0, BarEdge::Right, 0, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parseBarValue(c.text), c.expected) << std::string(c.text.begin(), c.text.end());
  }
}

struct GraphCase {
  std::u16string_view text;
  GraphSettings expected;
};

TEST(GraphValue, ParsesAsWritten) {
  const GraphCase cases[] = {
      {u"G65535/255", {true, 65535, 255}},
      {u"G", {true, 0, 0}},
      {u"g65535", {}},
      {u"", {}},
      {u" G 12", {true, 12, 12}},
      {u"G12 // 34", {true, 12, 34}},
      {u"G12 x", {true, 12, 0}},  // something follows, and it is no number
      {u"G/5", {true, 0, 5}},
      {u"G4294967295", {true, 0xFFFFFFFF, 0xFFFFFFFF}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parseGraphValue(c.text), c.expected) << std::string(c.text.begin(), c.text.end());
  }
}

// The options program reads the same texts, and also needs what a switched-off meter keeps.
TEST(BarText, LetterCaseAndKeptPosition) {
  struct Case {
    std::u16string_view text;
    BarText expected;
  };
  const Case cases[] = {
      {u"R65280,4,2", {MeterLetter::Shown, {65280, 65280, BarEdge::Right, 4, 2}}},
      {u" l255,3,-1", {MeterLetter::SwitchedOff, {255, 255, BarEdge::Left, 3, -1}}},
      {u"d1/2,5,0", {MeterLetter::SwitchedOff, {1, 2, BarEdge::Bottom, 5, 0}}},
      {u"x1,2,3", {}},
      {u"X1,2,3", {}},
      {u"", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parseBarText(c.text), c.expected) << std::string(c.text.begin(), c.text.end());
  }
}

TEST(GraphText, LetterCaseAndKeptColours) {
  EXPECT_EQ(parseGraphText(u"g65535/255"),
            (GraphText{MeterLetter::SwitchedOff, {false, 65535, 255}}));
  EXPECT_EQ(parseGraphText(u"G12"), (GraphText{MeterLetter::Shown, {true, 12, 12}}));
  EXPECT_EQ(parseGraphText(u"h12"), GraphText{});
}

TEST(MainsModeValue, LetterChoosesMode) {
  EXPECT_EQ(parseMainsMode(std::nullopt), MainsMode::ShownWhileCharging);
  EXPECT_EQ(parseMainsMode(u""), MainsMode::ShownWhileCharging);
  EXPECT_EQ(parseMainsMode(u"A"), MainsMode::ShownOnMains);
  EXPECT_EQ(parseMainsMode(u"C"), MainsMode::ShownWhileCharging);
  EXPECT_EQ(parseMainsMode(u" "), MainsMode::HiddenOnMains);
  EXPECT_EQ(parseMainsMode(u"a"), MainsMode::HiddenOnMains);
}

}  // namespace
}  // namespace zembrik
