#pragma once

namespace scenario::line {

// Curvature per metre of the curve classes 1 (gentlest) to 6: the turn a
// "curva" entry gives every metre of its length, to the right for "d" and
// to the left for "s". The line compiler looks for the digits in this
// order, so the first one found in a keyword wins; the tools read the class
// back from the plan.
struct CurvatureClass {
  const char* digit;
  int number;
  double per_metre;
};
inline constexpr CurvatureClass kCurvatureClasses[] = {
    {"1", 1, 0.0001}, {"2", 2, 0.0002}, {"3", 3, 0.0004},
    {"4", 4, 0.001},  {"5", 5, 0.002},  {"6", 6, 0.003},
};

}  // namespace scenario::line
