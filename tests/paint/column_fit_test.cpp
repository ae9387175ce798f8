#include "engine/paint/column_fit.h"

#include <gtest/gtest.h>

#include <vector>

namespace zembrik {
namespace {

struct SpareCase {
  const char* name;
  std::vector<int> widths;
  int faceWidth;
  std::vector<int> extras;
};

class SpareWidth : public ::testing::TestWithParam<SpareCase> {};

TEST_P(SpareWidth, GoesToTheColumnsByShareThenInRounds) {
  const SpareCase& c = GetParam();
  std::vector<ColumnMetrics> columns;
  for (int width : c.widths) columns.push_back({width, 10, 99});
  distributeSpareWidth(columns, c.faceWidth);
  std::vector<int> extras;
  for (const ColumnMetrics& column : columns) extras.push_back(column.extraWidth);
  EXPECT_EQ(extras, c.extras);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpareWidth,
    ::testing::Values(
        SpareCase{"proportional", {10, 30}, 60, {5, 15}},
        SpareCase{"remainder_from_the_first_column", {10, 10, 10}, 40, {4, 3, 3}},
        SpareCase{"small_columns_get_the_remainder", {1, 1, 100}, 110, {1, 0, 7}},
        // Nothing measured: no proportion to divide by, the rounds hand out everything.
        SpareCase{"nothing_measured", {0, 0}, 7, {4, 3}},
        SpareCase{"face_too_narrow", {50}, 40, {0}}, SpareCase{"exact_fit", {20, 20}, 40, {0, 0}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct FitCase {
  const char* name;
  std::vector<FitCell> cells;  // height, priority, weight
  int faceHeight;
  std::vector<bool> hidden;
  std::vector<std::pair<int, int>> spare;  // above, below
};

class GroupFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(GroupFit, HidesOrStretches) {
  FitCase c = GetParam();
  std::vector<std::size_t> order;
  fitGroup(c.cells, c.faceHeight, order);
  std::vector<bool> hidden;
  std::vector<std::pair<int, int>> spare;
  for (const FitCell& cell : c.cells) {
    hidden.push_back(cell.hidden);
    spare.emplace_back(cell.above, cell.below);
  }
  EXPECT_EQ(hidden, c.hidden);
  EXPECT_EQ(spare, c.spare);
}

FitCell cell(int height, int priority, int weight = 0) {
  return FitCell{height, priority, weight};
}

const std::vector<std::pair<int, int>> kNoSpare5(5, {0, 0});

INSTANTIATE_TEST_SUITE_P(
    Cases, GroupFit,
    ::testing::Values(
        // Priorities 1, 0, 2, 2, 0: both priority-2 cells go together, even when the first was
        // enough.
        FitCase{"equal_priorities_go_together",
                {cell(10, 1), cell(10, 0), cell(10, 2), cell(10, 2), cell(10, 0)},
                45,
                {false, false, true, true, false},
                kNoSpare5},
        FitCase{"then_the_next_priority",
                {cell(10, 1), cell(10, 0), cell(10, 2), cell(10, 2), cell(10, 0)},
                25,
                {true, false, true, true, false},
                kNoSpare5},
        FitCase{"never_the_last_visible_cell",
                {cell(10, 1), cell(10, 1)},
                5,
                {false, true},
                {{0, 0}, {0, 0}}},
        FitCase{
            "priority_zero_stays", {cell(10, 0), cell(10, 0)}, 5, {false, false}, {{0, 0}, {0, 0}}},
        // Weights 1 and 3 and 9 pixels: shares 2 and 6, the remainder 1 to the heavier cell.
        // Each is its own run, split half above and the rest below.
        FitCase{"stretch_shares_and_remainder",
                {cell(10, 0, 1), cell(10, 0, 0), cell(10, 0, 3)},
                39,
                {false, false, false},
                {{1, 1}, {0, 0}, {3, 4}}},
        FitCase{"a_run_keeps_together",
                {cell(10, 0, 1), cell(10, 0, 1), cell(10, 0, 0)},
                35,
                {false, false, false},
                {{2, 0}, {0, 3}, {0, 0}}},
        FitCase{"no_weights_no_stretch",
                {cell(10, 0), cell(10, 0)},
                35,
                {false, false},
                {{0, 0}, {0, 0}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace zembrik
