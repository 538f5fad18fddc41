#pragma once

#include <cmath>

namespace scenario::records {

// Every conversion of a real number to an integer rounds to the nearest
// integer, a value exactly halfway going to the even neighbour (18.5 gives
// 18, 19.5 gives 20). std::nearbyint does exactly that under the default
// rounding mode, which nothing in this program changes.
inline double round_half_even(double value) { return std::nearbyint(value); }

}  // namespace scenario::records
