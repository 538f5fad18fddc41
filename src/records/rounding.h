#pragma once

#include <cmath>

namespace scenario::records {

// Every conversion of a real number to an integer rounds to the nearest
// integer, a value exactly halfway going to the even neighbour (18.5 gives
// 18, 19.5 gives 20).
//
// IEEE addition itself rounds that way under the default rounding mode,
// which nothing in this program changes: adding and taking away 2^52 leaves
// a double of magnitude below 2^52 rounded to a whole number, exactly as
// std::nearbyint would, without a call into the maths library (which the
// installer then need not load at all). Larger magnitudes are whole
// already. The sign is kept, so -0.4 gives -0.0 as nearbyint does.
inline double round_half_even(double value) {
  constexpr double kTwoTo52 = 4503599627370496.0;
  if (!(std::fabs(value) < kTwoTo52))
    return value;
  const double magnitude = (std::fabs(value) + kTwoTo52) - kTwoTo52;
  return std::copysign(magnitude, value);
}

}  // namespace scenario::records
