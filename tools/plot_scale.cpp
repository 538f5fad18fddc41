#include "tools/plot_scale.h"

#include <cmath>

namespace scenario::tools {

double nice_step(double low, double high, int most) {
  const double span = high > low ? high - low : 1.0;
  double power = std::pow(10.0, std::floor(std::log10(span / most)));
  while (true) {
    for (double factor : {1.0, 2.0, 5.0}) {
      if (span / (factor * power) <= most)
        return factor * power;
    }
    power *= 10.0;
  }
}

std::vector<double> nice_ticks(double low, double high, int most) {
  const double step = nice_step(low, high, most);
  std::vector<double> ticks;
  for (double tick = std::ceil(low / step - 1e-9) * step; tick <= high + step * 1e-9; tick += step)
    ticks.push_back(std::abs(tick) < step * 1e-9 ? 0.0 : tick);
  return ticks;
}

}  // namespace scenario::tools
