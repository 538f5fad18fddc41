#include "tools/view/view_command.h"

#include "platform/files.h"
#include "tools/binary_inputs.h"
#include "tools/command_line.h"
#include "tools/exit_codes.h"
#include "tools/view/view_page.h"

namespace scenario::tools {

int run_view(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const CommandLine command({.name = "view",
                             .options = {{"--line-id"}, {"--train"}, {"-o", "--output"}},
                             .flags = {},
                             .arguments = 1},
                            args);
  const std::string output = command.required_output(".html");
  const CompiledScenario scenario = read_compiled_scenario(
      command.arguments()[0], command.required("--line-id"), command.required("--train"), err);
  const std::string page = view_page(scenario);
  platform::replace_file(output, [&](platform::OutputFile& file) { file.write(page); });
  out << "scritto " << output << '\n';
  return kExitOk;
}

}  // namespace scenario::tools
