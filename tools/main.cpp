// scenario_tool: the installer's compiler, decoders and a picture of the
// scenario, for people who write line and run description texts.

#include <iostream>
#include <string>
#include <vector>

#include "tools/tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return scenario::tools::run_tool(args, std::cout, std::cerr);
}
