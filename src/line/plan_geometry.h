#pragma once

#include <cstdint>

#include "line/line_compilation.h"
#include "records/plan_array.h"

namespace scenario::line {

// Metres 0 and 1: the line starts at the origin heading along +y.
void start_plan(records::PlanArray& plan);

// Metre j continues the step from j - 2 to j - 1 unchanged.
void straight_step(records::PlanArray& plan, std::int32_t j);

// Metre j turns that step by the first-order rotation with curvature c per
// metre (positive to the right), without renormalising it.
void curve_step(records::PlanArray& plan, std::int32_t j, double c);

// A "curva" entry (start, length): straight up to the start, then curved up
// to start + length, from the plan cursor on.
Outcome compile_curve(LineCompilation& line);

// At the end of the line: straight on up to metre L + 6998.
void finish_plan(LineCompilation& line);

}  // namespace scenario::line
