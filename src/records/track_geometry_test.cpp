#include "records/track_geometry.h"

#include <gtest/gtest.h>

namespace scenario::records {
namespace {

TEST(TrackGeometry, TheLastCellRoundsHalvesToEven) {
  struct Case {
    std::int32_t length;
    std::int32_t last;
  };
  for (const Case& c : {Case{97000, 2080}, Case{43000, 1000}, Case{43025, 1000}, Case{43075, 1002},
                        Case{0, 140}, Case{1000000, 20140}}) {
    EXPECT_EQ(last_cell_index(c.length), c.last) << c.length;
  }
  EXPECT_EQ(last_plan_metre(97000), 104000);
}

TEST(TrackGeometry, AnItemLiesOneCellFurtherOnThanAStretchAtTheSamePosition) {
  struct Case {
    double metres;
    std::int64_t item, first, last;
  };
  // round(x / 50 + 1), round(x / 50), round(x / 50 - 1), halves to even.
  for (const Case& c : {Case{0, 1, 0, -1}, Case{25, 2, 0, 0}, Case{75, 2, 2, 0},
                        Case{15150, 304, 303, 302}, Case{-75, 0, -2, -2}, Case{-76, -1, -2, -3}}) {
    EXPECT_EQ(item_cell(c.metres), c.item) << c.metres;
    EXPECT_EQ(stretch_first_cell(c.metres), c.first) << c.metres;
    EXPECT_EQ(stretch_last_cell(c.metres), c.last) << c.metres;
  }
}

TEST(TrackGeometry, TheRangeTestAndTheGrid) {
  // N = 2080: (p + 100) / 50 may be 2080 at most.
  EXPECT_FALSE(beyond_track(103900, kItemRangeMargin, 2080));
  EXPECT_TRUE(beyond_track(103901, kItemRangeMargin, 2080));
  EXPECT_TRUE(beyond_track(0, kItemRangeMargin, -1));  // no track at all
  EXPECT_TRUE(on_cell_grid(-50));
  EXPECT_FALSE(on_cell_grid(1075));
  EXPECT_EQ(cell_start_metre(198), 9900);
}

}  // namespace
}  // namespace scenario::records
