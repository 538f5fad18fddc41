#pragma once

#include "tools/scenario_view.h"
#include "tools/svg_canvas.h"

namespace scenario::tools {

// Everything along the distance, between `left` and `right` from `top`
// down: the station names over the panels, the relative height, the
// gradient, the speed limits with the slow sections, then lanes of
// markers for signals, slow sections, boards and tunnels, and the distance
// axis in kilometres. Returns the bottom of what it drew.
double draw_profiles(const ScenarioView& view, double left, double right, double top,
                     SvgCanvas& canvas);

// The distance the profiles show: the line length rounded up to a whole
// kilometre (the track's end where the length is not known).
double shown_distance(const ScenarioView& view);

}  // namespace scenario::tools
