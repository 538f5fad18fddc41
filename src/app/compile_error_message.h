#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "diagnostics/diagnostic.h"
#include "records/compile_state.h"

namespace scenario::app {

// The line the installer prints on standard error when compilation or the
// finishing pass has recorded an error: the code, the position in metres,
// when an entry of a description text is to blame the text, line and
// column, and what the code means. `explained` is the code told in the
// author's terms, when there is one: its place and its concrete meaning
// take the place of the table's.
std::string compile_error_message(const records::CompileState& state,
                                  const diagnostics::Diagnostic* explained = nullptr);

// Where the two description texts of an author are, to name them.
struct AuthorTexts {
  std::string line_text;
  std::string run_text;
};

// A recorded error as the authors' tools report it.
struct ErrorReport {
  std::int32_t code = 0;
  std::optional<std::int32_t> position;  // only for codes that record one
  std::optional<std::string> file;       // the text the failing entry stands in
  std::optional<int> line;               // its 1-based line there
  std::string meaning;                   // Italian, with what the trap caught
};

ErrorReport error_report(const records::CompileState& state, const AuthorTexts& texts);

// "FILE:LINE: errore CODE a km K+MMM: MEANING", leaving out the parts the
// report has not got ("FILE: errore 2: ...", "errore 13 a km 10+050: ...").
std::string author_error_message(const ErrorReport& report);

}  // namespace scenario::app
