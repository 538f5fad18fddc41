#pragma once

#include <vector>

namespace scenario::tools {

// A linear map from values to drawing units.
struct Scale {
  double value_low = 0.0;
  double value_high = 1.0;
  double low = 0.0;   // drawing position of value_low
  double high = 1.0;  // drawing position of value_high

  double operator()(double value) const {
    return low + (value - value_low) * (high - low) / (value_high - value_low);
  }
};

// Round tick values covering low to high, a step of 1, 2 or 5 times a power
// of ten chosen so that there are at most `most` steps.
std::vector<double> nice_ticks(double low, double high, int most);

// The step nice_ticks uses.
double nice_step(double low, double high, int most);

}  // namespace scenario::tools
