#pragma once

// Runs scenario_tool in the test's own process, for the tests of its
// commands.

#include <span>
#include <string>
#include <vector>

namespace scenario::tools {

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

ToolRun run_tool_here(const std::vector<std::string>& args);

}  // namespace scenario::tools
