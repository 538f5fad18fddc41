#pragma once

#include <string>

#include "tools/binary_inputs.h"

namespace scenario::tools {

// Everything the interactive view shows of a compiled scenario, as one JSON
// object for the page's script: the items and profiles along the distance
// (tools/scenario_view.h), every field of every cell with its name, what it
// means and its value in words (tools/cell_description.h), every non-empty
// header slot with its role and fields (records/slot_roles.h), and the plan
// whole, every metre's x and y exactly as the line data file holds them
// (kinds as runs, points as the walk of the line compiler that gives the
// same doubles, checked bit for bit, and the points it does not give). The
// page thins the plan only when it draws it. The text is safe inside a
// script element: "</" is written "<\/".
std::string view_data_json(const CompiledScenario& scenario);

}  // namespace scenario::tools
