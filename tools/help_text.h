#pragma once

#include <string_view>

namespace scenario::tools {

// What `scenario_tool --help` prints: every command, its options, the form
// of the error line and the exit statuses.
std::string_view help_text();

}  // namespace scenario::tools
