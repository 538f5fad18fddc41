#include "tools/plot_command.h"

#include "platform/files.h"
#include "tools/binary_inputs.h"
#include "tools/command_line.h"
#include "tools/exit_codes.h"
#include "tools/scenario_plot.h"

namespace scenario::tools {

int run_plot(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const CommandLine command({.name = "plot",
                             .options = {{"--line-id"}, {"--train"}, {"-o", "--output"}},
                             .flags = {},
                             .arguments = 1},
                            args);
  const std::string output = command.required_output(".svg");
  CompiledScenario scenario = read_compiled_scenario(
      command.arguments()[0], command.required("--line-id"), command.required("--train"), err);
  // A scenario compiled without line data has no plan: the picture says so.
  const ScenarioView view = scenario_view(scenario.table, scenario.cells, std::move(scenario.plan));
  const std::string svg = plot_scenario(view).document();
  platform::replace_file(output, [&](platform::OutputFile& file) { file.write(svg); });
  out << "scritto " << output << '\n';
  return kExitOk;
}

}  // namespace scenario::tools
