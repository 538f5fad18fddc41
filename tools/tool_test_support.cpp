#include "tools/tool_test_support.h"

#include <sstream>

#include "tools/tool.h"

namespace scenario::tools {

ToolRun run_tool_here(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  ToolRun run;
  run.status = run_tool(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

}  // namespace scenario::tools
