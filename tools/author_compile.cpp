#include "tools/author_compile.h"

#include <filesystem>
#include <stdexcept>

#include "app/file_names.h"
#include "finish/memorizza_percorso.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "tools/command_line.h"
#include "tools/folders.h"

namespace scenario::tools {
namespace {

// An output file that is one of the author's texts would replace it.
void refuse_overwriting(const std::string& text, const std::string& output) {
  std::error_code error;
  if (std::filesystem::equivalent(text, output, error))
    throw platform::FileError(text, "è anche un file binario da scrivere (" + output +
                                        "); l'autore non perde il suo testo");
}

}  // namespace

CompiledScenario compile_author_scenario(const AuthorScenario& scenario,
                                         std::int32_t write_line_data) {
  CompiledScenario compiled;
  compiled.records.line_id = scenario.line_id_bytes;
  compiled.records.train_number = scenario.train_number_bytes;
  const compiler::DescriptionTexts texts{
      compiler::DescriptionText{scenario.line_path, scenario.line_text},
      compiler::DescriptionText{scenario.run_path, scenario.run_text}};
  std::int32_t j = write_line_data;
  compiled.outcome = finish::compile_and_complete(compiled.records, texts, j);
  compiled.diagnostics =
      diagnostics::check_scenario({scenario.line_text, scenario.run_text, scenario.line_id_bytes,
                                   scenario.train_number_bytes, write_line_data});
  return compiled;
}

CompileOutcome compile_author_texts(const CompileRequest& request) {
  // Both texts read before anything is made, so that a missing one leaves
  // no trace. The compiler reads them from memory: the author's files are
  // never changed.
  const AuthorScenario scenario =
      read_author_scenario("compile", request.line_text, request.run_text,
                           {request.line_id, request.train_number}, request.encoding);

  ensure_folder(request.out_folder);
  const app::ScenarioFileNames out =
      app::scenario_file_names(request.out_folder, request.line_id, request.train_number);
  for (const std::string& text : {request.line_text, request.run_text}) {
    for (const std::string& output : {out.line_data, out.scenario_table, out.cell_file})
      refuse_overwriting(text, output);
  }

  const CompiledScenario compiled =
      compile_author_scenario(scenario, request.write_line_data ? 1 : 0);
  const records::ScenarioRecords& records = compiled.records;
  CompileOutcome outcome;
  outcome.state = records.state;
  outcome.diagnostics = compiled.diagnostics;
  if (compiled.outcome != finish::Outcome::kComplete)
    return outcome;
  if (records.state.error_code != 0 && !request.write_on_error) {
    outcome.held_back = true;
    return outcome;
  }
  finish::write_binary_files(records, {out.line_data, out.scenario_table, out.cell_file});
  if (records.plan)
    outcome.files_written.push_back(out.line_data);
  outcome.files_written.push_back(out.scenario_table);
  outcome.files_written.push_back(out.cell_file);
  return outcome;
}

}  // namespace scenario::tools
