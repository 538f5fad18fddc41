#pragma once

#include "tools/scenario_view.h"
#include "tools/svg_canvas.h"

namespace scenario::tools {

// The plan of the line inside `area`: north up, one scale for both axes,
// a kilometre grid with its labels, the line from its start (green) to its
// end (red), the stations with their names laid out clear of each other
// and of the line, a north arrow and a scale bar. Without a plan array it
// says so in the middle of the area.
// The part of `area` the plan view needs: its full height and the width
// that one scale for both axes leaves the line, with room for the names
// beside it; at least `least_width`.
Box plan_area(const ScenarioView& view, const Box& area, double least_width);

void draw_plan_view(const ScenarioView& view, const Box& area, SvgCanvas& canvas);

}  // namespace scenario::tools
