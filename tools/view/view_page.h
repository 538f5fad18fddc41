#pragma once

#include <string>

#include "tools/binary_inputs.h"

namespace scenario::tools {

// The whole HTML document of the interactive view of `scenario`: one file
// with its style, markup, data and script inside, that fetches nothing.
std::string view_page(const CompiledScenario& scenario);

}  // namespace scenario::tools
