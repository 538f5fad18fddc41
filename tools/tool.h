#pragma once

#include <ostream>
#include <span>
#include <string>

namespace scenario::tools {

// Runs scenario_tool with the words after the program name; prints on `out`
// and `err` and returns the exit status (tools/exit_codes.h).
int run_tool(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace scenario::tools
