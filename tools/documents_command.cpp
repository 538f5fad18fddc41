#include "tools/documents_command.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <vector>

#include "app/file_names.h"
#include "finish/memorizza_percorso.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "text/cp1252.h"
#include "text/line_list.h"
#include "tools/author_compile.h"
#include "tools/author_scenario.h"
#include "tools/command_line.h"
#include "tools/documents/document_refusal.h"
#include "tools/documents/run_documents.h"
#include "tools/documents_report.h"
#include "tools/exit_codes.h"
#include "tools/folders.h"

namespace scenario::tools {
namespace {

const CommandSpec kGrammar{
    .name = "documents",
    .options = {{"--line-id"},
                {"--train"},
                {"--encoding"},
                {"--out"},
                {"--notes"},
                {"--classification"},
                {"--blocked-mass"},
                {"--rank"},
                {"--legend-note"}},
    .flags = {"--json"},
    .arguments = 2,
};

// A value of the command line as Windows-1252 bytes.
std::string cp1252_value(const std::string& option, const std::string& value) {
  try {
    return text::utf8_to_cp1252(value);
  } catch (const std::invalid_argument& error) {
    throw UsageError("documents: " + option + " non rappresentabile in Windows-1252: " + value +
                     " (" + error.what() + ")");
  }
}

// A text for the train sheet: one line of it.
std::string sheet_text(const std::string& option, const std::string& value) {
  if (value.find_first_of("\r\n") != std::string::npos)
    throw UsageError("documents: " + option + " deve stare su una riga: " + value);
  return cp1252_value(option, value);
}

SheetOptions sheet_options(const CommandLine& command) {
  SheetOptions options;
  if (const auto value = command.value("--classification"))
    options.classification = sheet_text("--classification", *value);
  if (const auto value = command.value("--blocked-mass"))
    options.blocked_mass = sheet_text("--blocked-mass", *value);
  if (const auto value = command.value("--rank"))
    options.rank = sheet_text("--rank", *value);
  if (const auto value = command.value("--legend-note"))
    options.legend_note = sheet_text("--legend-note", *value);
  return options;
}

// A document that is one of the author's texts would replace it.
void refuse_overwriting(const std::vector<std::string>& texts, const std::string& output) {
  for (const std::string& text : texts) {
    std::error_code error;
    if (std::filesystem::equivalent(text, output, error))
      throw platform::FileError(text, "è anche un documento da scrivere (" + output +
                                          "); l'autore non perde il suo testo");
  }
}

DocumentsOutcome make_documents(const CommandLine& command) {
  const std::string& line_text = command.arguments()[0];
  const std::string& run_text = command.arguments()[1];
  const std::string line_id = command.required("--line-id");
  const std::string train = command.required("--train");
  const std::string out_folder = command.value("--out").value_or(".");

  DocumentChoices choices{.run_text = run_text, .sheet = sheet_options(command), .notes = {}};
  // Every text read before anything is made; the author's files are never
  // changed.
  const AuthorScenario scenario =
      read_author_scenario("documents", line_text, run_text, {line_id, train},
                           encoding_named(command.value("--encoding").value_or("cp1252")));
  std::vector<std::string> inputs = {line_text, run_text};
  if (const auto notes = command.value("--notes")) {
    choices.notes = NotesText{*notes, platform::read_file(*notes)};
    inputs.push_back(*notes);
  }

  DocumentsOutcome outcome;
  // Compiled as `compile` compiles, line data included, so that a text it
  // refuses is refused here too, with the same diagnostics.
  const CompiledScenario compiled = compile_author_scenario(scenario, 1);
  const records::ScenarioRecords& records = compiled.records;
  outcome.state = records.state;
  outcome.diagnostics = compiled.diagnostics;
  if (records.state.error_code != 0)
    return outcome;
  if (compiled.outcome != finish::Outcome::kComplete)
    throw std::logic_error("the records are not complete and no error was recorded");

  RunDocuments documents;
  try {
    documents = run_documents(records, choices);
  } catch (const DocumentRefusal& refusal) {
    outcome.refusal = refusal.what();
    return outcome;
  }

  ensure_folder(out_folder);
  const app::ScenarioFileNames names = app::scenario_file_names(out_folder, line_id, train);
  for (const std::string& output : {names.train_sheet, names.slow_order, names.notes})
    refuse_overwriting(inputs, output);
  text::write_lines(names.train_sheet, documents.train_sheet);
  outcome.files_written.push_back(names.train_sheet);
  text::write_lines(names.slow_order, documents.slow_order);
  outcome.files_written.push_back(names.slow_order);
  text::write_lines(names.notes, documents.notes);
  outcome.files_written.push_back(names.notes);
  return outcome;
}

}  // namespace

int run_documents_command(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const CommandLine command(kGrammar, args);
  const DocumentsOutcome outcome = make_documents(command);
  const app::AuthorTexts texts{command.arguments()[0], command.arguments()[1]};
  if (command.has("--json"))
    print_documents_json(outcome, texts, out);
  else
    print_documents_report(outcome, texts, out, err);
  return outcome.files_written.empty() ? kExitErrorRecorded : kExitOk;
}

}  // namespace scenario::tools
