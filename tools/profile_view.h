#pragma once

#include "tools/scenario_view.h"
#include "tools/svg_canvas.h"

namespace scenario::tools {

// Everything along the distance, between `left` and `right` from `top`
// down: the station names over the panels, the relative height, the
// gradient, the speed limits dipping over the slow sections, the curve
// classes from the plan, the adhesion, then lanes of markers for signals,
// slow sections, boards and tunnels, and the distance axis in kilometres.
// The track beyond the line's length is shaded, with what stands there.
// Returns the bottom of what it drew.
double draw_profiles(const ScenarioView& view, double left, double right, double top,
                     SvgCanvas& canvas);

// The distance the profiles show: the whole track, the 7000 m beyond the
// line's length included, rounded up to a whole kilometre.
double shown_distance(const ScenarioView& view);

}  // namespace scenario::tools
