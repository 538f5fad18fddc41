#include "run/memo_rallentamento.h"

#include <gtest/gtest.h>

#include <limits>

#include "compiler/error_codes.h"
#include "run_test_support.h"

namespace scenario::run {
namespace {

using namespace compiler;

using records::CellArray;
using records::CellRecord;

std::vector<int> typed_cells(const CellArray& cells) {
  std::vector<int> found;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (cells[i].type != records::kFree)
      found.push_back(static_cast<int>(i));
  }
  return found;
}

TEST(MemoRallentamento, PlacesStartEndAndWarningPoint) {
  CellArray cells = free_cells();
  ASSERT_EQ(memo_rallentamento(cells, {.x = 9850, .v = 60, .l = 150, .f_tt = 3, .d_v = 60}), 0);
  EXPECT_EQ(typed_cells(cells), (std::vector<int>{174, 198, 201}));
  EXPECT_EQ(cells[198].type, records::kSlowStart);
  EXPECT_EQ(cells[201].type, records::kSlowEnd);
  EXPECT_EQ(cells[174].type, records::kWarningPoint);
  for (int i : {174, 198, 201}) {
    EXPECT_EQ(cells[i].value_a, 60) << i;
    EXPECT_EQ(cells[i].value_b, 60) << i;
  }
  EXPECT_EQ(cells[198].value_c, 3);
  EXPECT_EQ(cells[201].value_c, 3);
  EXPECT_EQ(cells[174].value_c, 0);
}

TEST(MemoRallentamento, DirectionZeroLeavesValueBAsItWas) {
  CellArray cells = free_cells();
  cells[198].value_b = 9;
  cells[198].type = records::kTunnelMarker;
  ASSERT_EQ(memo_rallentamento(cells, {.x = 9850, .v = 60, .l = 150, .f_ta = 1}), 0);
  EXPECT_EQ(cells[198].type, records::kSlowStart);
  EXPECT_EQ(cells[198].value_b, 9);
  for (int i = 170; i <= 173; ++i)
    EXPECT_EQ(cells[i].value_b, 0) << i;
}

TEST(MemoRallentamento, PreWarningCellsNumberedFromTheWarningPointBack) {
  CellArray cells = free_cells();
  ASSERT_EQ(memo_rallentamento(cells, {.x = 9850, .v = 60, .l = 150, .f_ta = 1, .d_v = 2}), 0);
  EXPECT_EQ(typed_cells(cells), (std::vector<int>{170, 171, 172, 173, 174, 198, 201}));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(cells[173 - i].type, records::kPreWarning);
    EXPECT_EQ(cells[173 - i].value_a, i + 1);
    EXPECT_EQ(cells[173 - i].value_b, i + 1);
  }
}

TEST(MemoRallentamento, NoWarningPointUpTo1500Metres) {
  CellArray at_1500 = free_cells();
  ASSERT_EQ(memo_rallentamento(at_1500, {.x = 1500, .v = 60, .l = 100, .f_ta = 1}), 0);
  EXPECT_EQ(typed_cells(at_1500), (std::vector<int>{31, 33}));

  CellArray at_1550 = free_cells();
  ASSERT_EQ(memo_rallentamento(at_1550, {.x = 1550, .v = 60, .l = 100}), 0);
  EXPECT_EQ(typed_cells(at_1550), (std::vector<int>{8, 32, 34}));
  EXPECT_EQ(at_1550[8].type, records::kWarningPoint);
}

TEST(MemoRallentamento, AShortSectionKeepsOnlyItsStartCell) {
  CellArray cells = free_cells();
  ASSERT_EQ(memo_rallentamento(cells, {.x = 5000, .v = 30, .l = 20}), 0);
  EXPECT_EQ(cells[101].type, records::kSlowStart);
  EXPECT_EQ(typed_cells(cells), (std::vector<int>{77, 101}));
}

TEST(MemoRallentamento, TakenCells) {
  const struct {
    int taken;
    std::int32_t code;
    std::vector<int> typed_after;  // besides the taken cell
  } cases[] = {
      {174, kErrorWarningPointTaken, {}},
      {198, kErrorSlowStartTaken, {}},
      {201, kErrorSlowEndTaken, {}},
      // The section stays; no pre-warning cell is placed.
      {172, kErrorPreWarningTaken, {174, 198, 201}},
  };
  for (const auto& c : cases) {
    CellArray cells = free_cells();
    cells[c.taken].type = records::kSignBoard;
    EXPECT_EQ(memo_rallentamento(cells, {.x = 9850, .v = 60, .l = 150, .f_ta = 1}), c.code);
    cells[c.taken].type = records::kFree;
    EXPECT_EQ(typed_cells(cells), c.typed_after) << c.taken;
  }
}

TEST(MemoRallentamento, CellsOutsideTheArrayAreRefusedBeforeAnythingIsPlaced) {
  const SlowSectionRow rows[] = {
      {.x = 100000, .v = 60, .l = 4000},  // end cell 2081
      {.x = -100, .v = 60, .l = 500},     // start cell -1
      {.x = 100, .v = 60, .l = -300},     // end cell -3
      {.x = 2000, .v = 60, .l = std::numeric_limits<std::int32_t>::max()},
  };
  for (const auto& row : rows) {
    CellArray cells = free_cells();
    EXPECT_EQ(memo_rallentamento(cells, row), kErrorSlowSectionOutsideCells) << row.x << row.l;
    EXPECT_EQ(cells, free_cells());
  }
  CellArray last = free_cells();
  EXPECT_EQ(memo_rallentamento(last, {.x = 100000, .v = 60, .l = 3950}), 0);  // end cell 2080
  EXPECT_EQ(last[kBuiltInLastCell].type, records::kSlowEnd);
}

}  // namespace
}  // namespace scenario::run
