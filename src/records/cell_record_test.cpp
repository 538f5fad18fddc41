#include "records/cell_record.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "records/rounding.h"

namespace scenario::records {
namespace {

TEST(Rounding, HalfGoesToTheEvenNeighbour) {
  EXPECT_EQ(round_half_even(18.5), 18.0);
  EXPECT_EQ(round_half_even(19.5), 20.0);
  EXPECT_EQ(round_half_even(-0.5), -0.0);
  EXPECT_EQ(round_half_even(-1.5), -2.0);
  EXPECT_EQ(round_half_even(2.4999), 2.0);
}

// The same result, bit for bit, as the C library's nearbyint under the
// default rounding mode: halves, values next to halves, the edges of the
// range where doubles are whole, and a spread of random magnitudes.
TEST(Rounding, AgreesWithNearbyintBitForBit) {
  std::vector<double> values = {0.0,
                                -0.0,
                                0.5,
                                -0.5,
                                1.5,
                                2.5,
                                -2.5,
                                1e-300,
                                -1e-300,
                                0x1p51,
                                0x1p51 + 0.5,
                                0x1p52 - 0.5,
                                0x1p52,
                                0x1p52 + 1,
                                0x1p53,
                                -0x1p52 + 0.5,
                                1e300,
                                std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity()};
  for (double half = 0.5; half < 1e7; half = half * 3 + 0.5) {
    values.push_back(half);
    values.push_back(std::nextafter(half, 0.0));
    values.push_back(std::nextafter(half, 1e9));
    values.push_back(-half);
  }
  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> exponent(-20.0, 60.0);
  for (int i = 0; i < 100000; ++i) {
    const double magnitude = std::exp2(exponent(random));
    values.push_back(i % 2 == 0 ? magnitude : -magnitude);
  }
  for (double value : values) {
    const double expected = std::nearbyint(value);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(round_half_even(value)),
              std::bit_cast<std::uint64_t>(expected))
        << std::hexfloat << value;
  }
  EXPECT_TRUE(std::isnan(round_half_even(std::numeric_limits<double>::quiet_NaN())));
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
