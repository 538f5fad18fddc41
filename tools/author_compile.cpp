#include "tools/author_compile.h"

#include <filesystem>
#include <stdexcept>

#include "app/file_names.h"
#include "finish/memorizza_percorso.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/scratch_folder.h"
#include "text/cp1252.h"
#include "tools/command_line.h"
#include "tools/folders.h"

namespace scenario::tools {
namespace {

// The identity strings name the files and go into the header table as
// Windows-1252 bytes.
std::string identity_bytes(const std::string& what, const std::string& value) {
  if (value.empty())
    throw UsageError("compile: " + what + " vuoto");
  if (value.find_first_of("/\\") != std::string::npos)
    throw UsageError("compile: " + what + " non può contenere / o \\: " + value);
  try {
    return text::utf8_to_cp1252(value);
  } catch (const std::invalid_argument& error) {
    throw UsageError("compile: " + what + " non rappresentabile in Windows-1252: " + value + " (" +
                     error.what() + ")");
  }
}

void write_copy(const std::string& bytes, const std::string& path) {
  platform::replace_file(path, [&](platform::OutputFile& out) { out.write(bytes); });
}

// An output file that is one of the author's texts would replace it.
void refuse_overwriting(const std::string& text, const std::string& output) {
  std::error_code error;
  if (std::filesystem::equivalent(text, output, error))
    throw platform::FileError(text, "è anche un file binario da scrivere (" + output +
                                        "); l'autore non perde il suo testo");
}

}  // namespace

CompileOutcome compile_author_texts(const CompileRequest& request) {
  records::ScenarioRecords records;
  records.line_id = identity_bytes("--line-id", request.line_id);
  records.train_number = identity_bytes("--train", request.train_number);
  // Both texts read before anything is made, so that a missing one leaves
  // no trace.
  const std::string line_text = platform::read_file(request.line_text);
  const std::string run_text = platform::read_file(request.run_text);

  ensure_folder(request.out_folder);
  const app::ScenarioFileNames out =
      app::scenario_file_names(request.out_folder, request.line_id, request.train_number);
  for (const std::string& text : {request.line_text, request.run_text}) {
    for (const std::string& output : {out.line_data, out.scenario_table, out.cell_file})
      refuse_overwriting(text, output);
  }

  // The compiler deletes the texts it reads: it reads copies.
  const platform::ScratchFolder scratch("scenario_tool-");
  const app::ScenarioFileNames copies =
      app::scenario_file_names(scratch.path().string(), request.line_id, request.train_number);
  write_copy(line_text, copies.line_text);
  write_copy(run_text, copies.run_text);

  std::int32_t j = request.write_line_data ? 1 : 0;
  const auto stamp_conflict =
      finish::memorizza_percorso(records, {copies.line_text, copies.run_text},
                                 {out.line_data, out.scenario_table, out.cell_file}, j);
  CompileOutcome outcome;
  if (stamp_conflict) {
    outcome.state.error_code = std::stoi(*stamp_conflict);
    return outcome;
  }
  outcome.state = records.state;
  // Without a track nothing is written.
  if (!records.cells.empty()) {
    if (records.write_line_data != 0)
      outcome.files_written.push_back(out.line_data);
    outcome.files_written.push_back(out.scenario_table);
    outcome.files_written.push_back(out.cell_file);
  }
  return outcome;
}

}  // namespace scenario::tools
