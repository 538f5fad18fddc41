#include "tools/check_command.h"

#include "diagnostics/checker.h"
#include "tools/author_scenario.h"
#include "tools/command_line.h"
#include "tools/diagnostic_report.h"
#include "tools/exit_codes.h"

namespace scenario::tools {

int run_check(std::span<const std::string> args, std::ostream& out) {
  const CommandLine command({.name = "check",
                             .options = {{"--line-id"}, {"--train"}, {"--encoding"}},
                             .flags = {"--json"},
                             .arguments = 2},
                            args);
  const std::string& line_path = command.arguments()[0];
  const std::string& run_path = command.arguments()[1];
  const Identity identity = identity_of("check", line_path, run_path, command.value("--line-id"),
                                        command.value("--train"));
  const TextEncoding encoding = encoding_named(command.value("--encoding").value_or("cp1252"));
  const AuthorScenario scenario =
      read_author_scenario("check", line_path, run_path, identity, encoding);

  const diagnostics::CheckOutcome outcome = diagnostics::check_scenario(
      {scenario.line_text, scenario.run_text, scenario.line_id_bytes, scenario.train_number_bytes});
  const TextNames names{line_path, run_path};
  if (command.has("--json")) {
    JsonWriter json(out);
    json.begin_object();
    diagnostics_json(outcome, names, json);
    json.end_object();
    out << '\n';
  } else {
    print_diagnostics(outcome, names, out);
  }
  return error_count(outcome) == 0 ? kExitOk : kExitErrorRecorded;
}

}  // namespace scenario::tools
