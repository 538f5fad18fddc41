#pragma once

#include "tools/scenario_view.h"
#include "tools/svg_canvas.h"

namespace scenario::tools {

// The facts of the scenario (line, train, length, how many of each item)
// and the legend of every symbol, from `top` down in the column between
// `left` and `right`. Returns the bottom of what it drew.
double draw_facts_and_legend(const ScenarioView& view, double left, double right, double top,
                             SvgCanvas& canvas);

}  // namespace scenario::tools
