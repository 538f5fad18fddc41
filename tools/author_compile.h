#pragma once

#include <string>
#include <vector>

#include "diagnostics/checker.h"
#include "finish/memorizza_percorso.h"
#include "records/scenario_records.h"
#include "tools/author_scenario.h"

namespace scenario::tools {

// What an author asks to compile, and where the binary files go.
struct CompileRequest {
  std::string line_text;  // the author's files, never changed
  std::string run_text;
  std::string line_id;  // as given on the command line (UTF-8)
  std::string train_number;
  std::string out_folder;
  bool write_line_data = true;
  TextEncoding encoding = TextEncoding::kWindows1252;
  // Write the binary files even when an error is recorded, as the
  // installer does; by default a partial scenario is never written.
  bool write_on_error = false;
};

struct CompileOutcome {
  // The recorded error, as the installer records it; a stamp conflict is
  // recorded as its code like any other.
  records::CompileState state;
  // Every diagnostic of the texts.
  diagnostics::CheckOutcome diagnostics;
  std::vector<std::string> files_written;
  // Files the installer would have written, held back because an error is
  // recorded (without write_on_error).
  bool held_back = false;
};

// An author's scenario compiled and completed in memory as the installer
// compiles its own, with every diagnostic of its texts.
struct CompiledScenario {
  records::ScenarioRecords records;
  finish::Outcome outcome = finish::Outcome::kNoTrack;
  diagnostics::CheckOutcome diagnostics;
};
CompiledScenario compile_author_scenario(const AuthorScenario& scenario,
                                         std::int32_t write_line_data);

// Compiles the author's texts exactly as the installer compiles its own
// (memorizza_percorso: compiler, finishing pass, stamps, writers), in
// memory, and writes the binary files into the out folder under their usual
// names, unless an error is recorded (see write_on_error). Throws UsageError
// for an identity that cannot name the files or that Windows-1252 cannot
// hold, and platform::FileError for a text that cannot be read or a file
// that cannot be written.
CompileOutcome compile_author_texts(const CompileRequest& request);

}  // namespace scenario::tools
