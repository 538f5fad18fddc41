#include "tools/author_compile.h"

#include <filesystem>
#include <stdexcept>

#include "app/file_names.h"
#include "finish/memorizza_percorso.h"
#include "platform/file_error.h"
#include "platform/files.h"
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
  // no trace. The compiler reads them from memory: the author's files are
  // never changed.
  const compiler::DescriptionTexts texts{
      .line = compiler::DescriptionText{request.line_text, platform::read_file(request.line_text)},
      .run = compiler::DescriptionText{request.run_text, platform::read_file(request.run_text)},
  };

  ensure_folder(request.out_folder);
  const app::ScenarioFileNames out =
      app::scenario_file_names(request.out_folder, request.line_id, request.train_number);
  for (const std::string& text : {request.line_text, request.run_text}) {
    for (const std::string& output : {out.line_data, out.scenario_table, out.cell_file})
      refuse_overwriting(text, output);
  }

  std::int32_t j = request.write_line_data ? 1 : 0;
  const finish::Outcome written = finish::memorizza_percorso(
      records, texts, {out.line_data, out.scenario_table, out.cell_file}, j);
  CompileOutcome outcome;
  outcome.state = records.state;
  if (written == finish::Outcome::kComplete) {
    if (records.plan)
      outcome.files_written.push_back(out.line_data);
    outcome.files_written.push_back(out.scenario_table);
    outcome.files_written.push_back(out.cell_file);
  }
  return outcome;
}

}  // namespace scenario::tools
