#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "records/compile_state.h"

namespace scenario::diagnostics {

enum class Severity : std::uint8_t {
  kError,    // a code the compile records
  kWarning,  // what the format accepts and an author almost never means
  kNote,     // worth knowing, usually meant (an entry disabled by a dash)
};

// One finding about an author's texts, at a place of one of them.
struct Diagnostic {
  Severity severity = Severity::kError;
  // The text it is found in; kNone for a finding about the scenario as a
  // whole.
  records::SourceText text = records::SourceText::kNone;
  // 1-based line and columns of the field it points at (0: no place). An
  // empty field has end_column = column - 1.
  int line = 0;
  int column = 0;
  int end_column = 0;
  // The whole line, Windows-1252 bytes, for showing it with a caret.
  std::string source_line;
  std::optional<std::int32_t> code;  // errors only
  std::string id;                    // the code's name, or the warning's
  std::string message;               // Italian, UTF-8
  std::optional<std::string> suggestion;
};

}  // namespace scenario::diagnostics
