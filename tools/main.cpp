// scenario_tool: the installer's compiler, decoders and a picture of the
// scenario, for people who write line and run description texts.

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "tools/tool.h"

int main(int argc, char** argv) {
  // The reasons the operating system gives (strerror, std::error_code)
  // come in the user's language and character set. Only those two
  // categories follow the environment: numbers keep the C locale's decimal
  // point, and nothing the tool compiles or writes depends on either.
#ifdef LC_MESSAGES  // not on Windows, whose messages follow the system's language
  std::setlocale(LC_MESSAGES, "");
#endif
  std::setlocale(LC_CTYPE, "");
  const std::vector<std::string> args(argv + 1, argv + argc);
  return scenario::tools::run_tool(args, std::cout, std::cerr);
}
