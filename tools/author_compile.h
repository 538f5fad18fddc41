#pragma once

#include <string>
#include <vector>

#include "records/scenario_records.h"

namespace scenario::tools {

// What an author asks to compile, and where the binary files go.
struct CompileRequest {
  std::string line_text;  // the author's files, never changed
  std::string run_text;
  std::string line_id;  // as given on the command line (UTF-8)
  std::string train_number;
  std::string out_folder;
  bool write_line_data = true;
};

struct CompileOutcome {
  // The recorded error; a stamp conflict is recorded as its code like any
  // other.
  records::CompileState state;
  std::vector<std::string> files_written;
};

// Compiles copies of the author's texts exactly as the installer compiles
// its own (memorizza_percorso: compiler, finishing pass, stamps, writers)
// and writes the binary files into the out folder under their usual names.
// Throws UsageError for an identity that cannot name the files or that
// Windows-1252 cannot hold, and platform::FileError for a text that cannot
// be read or a file that cannot be written.
CompileOutcome compile_author_texts(const CompileRequest& request);

}  // namespace scenario::tools
