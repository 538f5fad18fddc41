#include "records/cell_record.h"

#include <gtest/gtest.h>

#include "records/rounding.h"

namespace scenario::records {
namespace {

TEST(LastCellIndex, RoundsHalvesToEven) {
  struct Case {
    std::int32_t length;
    std::int32_t last;
  };
  for (const Case& c : {Case{97000, 2080}, Case{43000, 1000}, Case{43025, 1000},
                        Case{43075, 1002}, Case{0, 140}, Case{1000000, 20140}}) {
    EXPECT_EQ(last_cell_index(c.length), c.last) << c.length;
  }
}

TEST(Rounding, HalfGoesToTheEvenNeighbour) {
  EXPECT_EQ(round_half_even(18.5), 18.0);
  EXPECT_EQ(round_half_even(19.5), 20.0);
  EXPECT_EQ(round_half_even(-0.5), -0.0);
  EXPECT_EQ(round_half_even(-1.5), -2.0);
  EXPECT_EQ(round_half_even(2.4999), 2.0);
}

TEST(CellRecord, FreeMeansEmptyOrTunnelMarker) {
  for (int type = 0; type <= 14; ++type) {
    CellRecord cell;
    cell.type = static_cast<std::uint8_t>(type);
    EXPECT_EQ(is_free(cell), type == 0 || type == 11) << type;
  }
}

}  // namespace
}  // namespace scenario::records
