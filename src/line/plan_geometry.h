#pragma once

#include <cstdint>

#include "line/line_compilation.h"
#include "records/plan_array.h"

namespace scenario::line {

// Metres 0 and 1: the line starts at the origin heading along +y.
void start_plan(records::PlanArray& plan);

// Computes the plan metre by metre from a cursor on. Each metre follows
// from the two before it, which the walk carries along rather than reading
// them back from the array: the chain of dependent steps is the line
// compiler's longest loop (two million values for the longest line).
class PlanWalk {
 public:
  // Metres cursor - 2 and cursor - 1 must be set.
  PlanWalk(records::PlanArray& plan, std::int32_t cursor);

  // The next metre to compute.
  std::int32_t cursor() const { return j_; }

  // Metre j continues the step from j - 2 to j - 1 unchanged.
  void straight_step() {
    const double dx = x1_ - x0_;
    const double dy = y1_ - y0_;
    put(x1_ + dx, y1_ + dy);
  }

  // Metre j turns that step by the first-order rotation with curvature c
  // per metre (positive to the right), without renormalising it.
  void curve_step(double c) {
    const double dx = x1_ - x0_;
    const double dy = y1_ - y0_;
    put(x1_ + (dx + c * dy), y1_ + (dy - c * dx));
  }

 private:
  void put(double x, double y) {
    plan_.set_double(j_, records::PlanArray::kX, x);
    plan_.set_double(j_, records::PlanArray::kY, y);
    x0_ = x1_;
    y0_ = y1_;
    x1_ = x;
    y1_ = y;
    ++j_;
  }

  records::PlanArray& plan_;
  std::int32_t j_;
  double x0_, y0_;  // metre j - 2
  double x1_, y1_;  // metre j - 1
};

// A "curva" entry (start, length): straight up to the start, then curved up
// to start + length, from the plan cursor on.
EntryOutcome compile_curve(LineCompilation& line);

// At the end of the line: straight on up to metre L + 6998.
void finish_plan(LineCompilation& line);

}  // namespace scenario::line
