#include "tools/compile_command.h"

#include "tools/author_compile.h"
#include "tools/command_line.h"
#include "tools/compile_report.h"
#include "tools/exit_codes.h"

namespace scenario::tools {

int run_compile(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const CommandLine command({.name = "compile",
                             .options = {{"--line-id"}, {"--train"}, {"--out"}, {"--encoding"}},
                             .flags = {"--no-line-data", "--json", "--write-on-error"},
                             .arguments = 2},
                            args);
  const CompileRequest request{
      .line_text = command.arguments()[0],
      .run_text = command.arguments()[1],
      .line_id = command.required("--line-id"),
      .train_number = command.required("--train"),
      .out_folder = command.value("--out").value_or("."),
      .write_line_data = !command.has("--no-line-data"),
      .encoding = encoding_named(command.value("--encoding").value_or("cp1252")),
      .write_on_error = command.has("--write-on-error"),
  };
  const CompileOutcome outcome = compile_author_texts(request);
  const app::AuthorTexts texts{request.line_text, request.run_text};
  if (command.has("--json"))
    print_compile_json(outcome, texts, out);
  else
    print_compile_report(outcome, texts, out, err);
  return outcome.state.error_code == 0 ? kExitOk : kExitErrorRecorded;
}

}  // namespace scenario::tools
