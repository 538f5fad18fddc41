#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/compile_error_message.h"
#include "diagnostics/checker.h"
#include "records/compile_state.h"

namespace scenario::tools {

// What came of `documents`.
struct DocumentsOutcome {
  records::CompileState state;            // the error the texts record, if any
  diagnostics::CheckOutcome diagnostics;  // every diagnostic of the texts
  std::optional<std::string> refusal;     // why the run does not fit the documents
  std::vector<std::string> files_written;
};

// For a person: the documents written on `out`, one a line (or that none
// was), and on `err`, when the texts record an error, the diagnostics
// `compile` prints, or the refusal.
void print_documents_report(const DocumentsOutcome& outcome, const app::AuthorTexts& texts,
                            std::ostream& out, std::ostream& err);

// The same as one JSON object on `out`: code, position (metres), km, file,
// line, meaning (as `compile` gives them), refusal, files and, as `check`
// gives them, diagnostics, errors, warnings and notes. The members that do
// not apply are null.
void print_documents_json(const DocumentsOutcome& outcome, const app::AuthorTexts& texts,
                          std::ostream& out);

}  // namespace scenario::tools
