#pragma once

#include <ostream>
#include <string>

#include "diagnostics/checker.h"
#include "tools/json_writer.h"

namespace scenario::tools {

// The names the two texts are called by in diagnostics: the paths as given.
struct TextNames {
  std::string line;
  std::string run;
};

// Each diagnostic as
//   FILE:LINE:COLUMN: errore CODE: MEANING   (or "avviso:", "nota:")
// then its source line and a caret line under the field (^~~~), then a
// summary line ("2 errori, 3 avvisi"). Text of the author's files is shown
// as UTF-8, control characters as \xNN.
void print_diagnostics(const diagnostics::CheckOutcome& outcome, const TextNames& names,
                       std::ostream& out);

// "2 errori, 3 avvisi", and ", 1 nota" when there are notes.
std::string diagnostics_summary(const diagnostics::CheckOutcome& outcome);

// The members "diagnostics" (an array of {file, line, column, end_column,
// severity, code, id, message, suggestion}), "errors" and "warnings" of the
// JSON object being written.
void diagnostics_json(const diagnostics::CheckOutcome& outcome, const TextNames& names,
                      JsonWriter& json);

// How many diagnostics are errors.
std::size_t error_count(const diagnostics::CheckOutcome& outcome);

}  // namespace scenario::tools
