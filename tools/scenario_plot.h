#pragma once

#include "tools/scenario_view.h"
#include "tools/svg_canvas.h"

namespace scenario::tools {

// The whole picture of a compiled scenario: title, plan view, facts and
// legend beside it, and the profiles along the distance below. The
// canvas keeps every text's box, so a test can check that none overlap.
SvgCanvas plot_scenario(const ScenarioView& view);

}  // namespace scenario::tools
