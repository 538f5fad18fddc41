#include "tools/plot_command.h"

#include "app/file_names.h"
#include "platform/files.h"
#include "tools/binary_inputs.h"
#include "tools/command_line.h"
#include "tools/exit_codes.h"
#include "tools/scenario_plot.h"

namespace scenario::tools {

int run_plot(std::span<const std::string> args, std::ostream& out) {
  const CommandLine command({.name = "plot",
                             .options = {{"--line-id"}, {"--train"}, {"-o", "--output"}},
                             .flags = {},
                             .arguments = 1},
                            args);
  const std::string output = command.required("-o");
  const app::ScenarioFileNames names = app::scenario_file_names(
      command.arguments()[0], command.required("--line-id"), command.required("--train"));
  std::optional<records::PlanArray> plan;
  // A scenario compiled without line data has no plan: the picture says so.
  if (platform::file_exists(names.line_data))
    plan = read_line_data_file(names.line_data);
  const records::HeaderTable table = read_table_file(names.scenario_table);
  const records::CellArray cells = read_cell_file(names.cell_file);
  const ScenarioView view = scenario_view(table, cells, std::move(plan));
  const std::string svg = plot_scenario(view).document();
  platform::replace_file(output, [&](platform::OutputFile& file) { file.write(svg); });
  out << "scritto " << output << '\n';
  return kExitOk;
}

}  // namespace scenario::tools
